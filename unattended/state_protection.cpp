#include "unattended/state_protection.h"

#include <aclapi.h>
#include <sddl.h>

#include <atomic>
#include <string>
#include <vector>

namespace sw {
namespace {

std::atomic<bool>& Protected() {
    static std::atomic<bool> on{false};
    return on;
}

// The account the program runs as, as "S-1-5-..."; empty when not known.
std::string OwnAccount() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return std::string();
    DWORD needed = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &needed);
    std::vector<BYTE> buffer(needed != 0 ? needed : 1);
    std::string text;
    LPSTR sid = nullptr;
    if (needed != 0 && GetTokenInformation(token, TokenUser, buffer.data(), needed, &needed) &&
        ConvertSidToStringSidA(reinterpret_cast<TOKEN_USER*>(buffer.data())->User.Sid, &sid)) {
        text = sid;
        LocalFree(sid);
    }
    CloseHandle(token);
    return text;
}

// Full control for the system, administrators and the program's account;
// reading for users. Nothing is inherited from the folder ("P").
std::string ProtectedAccess() {
    std::string text = "D:P(A;;FA;;;SY)(A;;FA;;;BA)";
    const std::string account = OwnAccount();
    if (!account.empty())
        text += "(A;;FA;;;" + account + ")";
    return text + "(A;;FR;;;BU)";
}

} // namespace

void ProtectUnattendedFiles() {
    Protected() = true;
}

DWORD UnattendedFileExtraAccess() {
    // Reading them too: the system reads what it replaces.
    return Protected() ? WRITE_DAC | READ_CONTROL : 0;
}

bool ProtectUnattendedFile(HANDLE file) {
    if (!Protected())
        return true;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorA(
            ProtectedAccess().c_str(), SDDL_REVISION_1, &descriptor, nullptr))
        return false;
    BOOL present = FALSE;
    BOOL defaulted = FALSE;
    PACL access = nullptr;
    DWORD result = ERROR_INVALID_SECURITY_DESCR;
    if (GetSecurityDescriptorDacl(descriptor, &present, &access, &defaulted) && present)
        result = SetSecurityInfo(file, SE_FILE_OBJECT,
                                 DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION,
                                 nullptr, nullptr, access, nullptr);
    LocalFree(descriptor);
    SetLastError(result);
    return result == ERROR_SUCCESS;
}

} // namespace sw
