#pragma once
// Showing, copying and registering the ranking password.

#include <QString>
#include <string>

class QLineEdit;

namespace pelta {

// The online ranking's address: the setting "Settings/RankingUrl", or this project's
// placeholder page when it is not set.
QString RankingPageUrl();

// Opens the ranking page in the desktop's browser; nothing is sent from here.
void OpenRankingPage();

// The password's bytes one character each, so it keeps its 19 characters even when a
// digit ran on past the ASCII range.
QString PasswordText(const std::string& password);

// Puts the whole password on the clipboard.
void CopyPassword(QLineEdit& edit);

}  // namespace pelta
