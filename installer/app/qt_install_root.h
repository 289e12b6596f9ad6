#pragma once
// The install root saved by an earlier install, in the user's settings under "Pellmar"/"Tovra".

#include "installer/core/default_folder.h"

namespace installer {

class QtInstallRoot : public InstallRootSource {
public:
    std::string InstallRoot() const override;
};

}  // namespace installer
