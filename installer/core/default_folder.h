#pragma once
// The folder the installer proposes: where the user installed before, else the user's own
// programs folder, else the installer's built-in folder.

#include <string>
#include <string_view>

namespace installer {

// The previously saved install root; empty when there is none.
class InstallRootSource {
public:
    virtual ~InstallRootSource() = default;
    virtual std::string InstallRoot() const = 0;
};

// The parts of the environment the choice depends on; empty when unset.
struct UserEnvironment {
    std::string xdgDataHome;
    std::string home;

    static UserEnvironment FromProcess();
};

// The folder for programs a user installs for themselves, ending in a separator; empty when
// the environment names no home.
std::string UserProgramsFolder(const UserEnvironment& environment);

// A folder of the installer's own system ("C:\Program files\Tovra\") as a folder here.
std::string MapSystemFolder(std::string_view folder);

std::string DefaultFolder(const InstallRootSource& saved, const UserEnvironment& environment);

}  // namespace installer
