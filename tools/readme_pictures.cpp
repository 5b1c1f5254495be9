// Takes the README's pictures: swutil.exe's main window, its menus and the
// dialogs the README shows, at 100 % and 150 % scale, and the companion
// after a remote print and asking for a sign-in. tools/screenshots.sh runs
// it under the test fixture, with the remote sites of the companion's tests
// started; each picture is cut from the virtual screen with ImageMagick's
// import and saved as NAME.png in the folder given as the argument (a Linux
// path). The exit code is the number of pictures that could not be taken.
#include "info/driver_download_dialog.h"
#include "remote/companion/companion_ids.h"
#include "remote/companion/sign_in_dialog.h"
#include "remote/companion_protocol.h"
#include "remote/remote_sites.h"
#include "remote/remote_sites_dialog_ids.h"
#include "resources/resource.h"
#include "support/credentials.h"
#include "support/file_writer.h"
#include "support/print_server.h"
#include "support/program_driver.h"
#include "support/temp_files.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using swtest::RunningProgram;

// Saves parts of the screen into one folder and counts what it could not save.
class Camera {
  public:
    explicit Camera(std::string folder) : folder_(std::move(folder)) {}

    void Take(const std::string& name, const RECT& area) {
        Sleep(300); // let Wine pass what the windows drew on to the X server
        const std::string geometry = std::to_string(area.right - area.left) + "x" +
                                     std::to_string(area.bottom - area.top) + "+" +
                                     std::to_string(area.left) + "+" + std::to_string(area.top);
        std::string output;
        const int code = swtest::RunHostCommand(
            "import -display '" + swtest::EnvironmentText("DISPLAY") + "' -window root -crop " +
                geometry + " +repage -depth 8 -colors 64 '" + folder_ + "/" + name + ".png'",
            &output);
        if (code == 0)
            std::printf("%s.png\n", name.c_str());
        else
            Fail(name + ": import failed: " + output);
    }
    // The screen's top-left `width` x `height`.
    void Take(const std::string& name, int width, int height) {
        Take(name, RECT{0, 0, width, height});
    }
    void Fail(const std::string& why) {
        std::fprintf(stderr, "readme_pictures: %s\n", why.c_str());
        ++failures_;
    }
    int Failures() const { return failures_; }

  private:
    std::string folder_;
    int failures_ = 0;
};

RECT Frame(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

// The screen's scale for the programs started after it is set.
void SetScreenScale(DWORD dotsPerInch) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, nullptr, 0, KEY_SET_VALUE,
                        nullptr, &key, nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExA(key, "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dotsPerInch),
                   sizeof(dotsPerInch));
    RegCloseKey(key);
}

// A schedule typed in and saved, so that the dialog shows one and the
// printer it prints to.
void FillInASchedule(HWND dialog) {
    SetDlgItemTextA(dialog, IDC_SCHED_INTERVAL, "2500");
    SetDlgItemTextA(dialog, IDC_SCHED_PATTERN, "*.prn");
    SetDlgItemTextA(dialog, IDC_SCHED_FOLDER, "C:\\Outbox");
    SendDlgItemMessageA(dialog, IDC_SCHED_DAYS, LB_SETSEL, FALSE, -1);
    for (int day = 0; day < 5; ++day) // Monday to Friday
        SendDlgItemMessageA(dialog, IDC_SCHED_DAYS, LB_SETSEL, TRUE, day);
    const int times[] = {IDC_SCHED_FROM_HOUR,      IDC_SCHED_FROM_MINUTE,
                         IDC_SCHED_FROM_SECOND,    IDC_SCHED_THROUGH_HOUR,
                         IDC_SCHED_THROUGH_MINUTE, IDC_SCHED_THROUGH_SECOND};
    const char* values[] = {"8", "00", "00", "18", "00", "00"};
    for (int i = 0; i < 6; ++i)
        SetDlgItemTextA(dialog, times[i], values[i]);
    // Checked and pressed by message: a click posted to the check box did
    // not always take under Wine.
    SendDlgItemMessageA(dialog, IDC_SCHED_RECYCLE, BM_SETCHECK, BST_CHECKED, 0);
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_SCHED_SAVE, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_SCHED_SAVE)));
    swtest::PumpMessagesFor(500);
}

struct DialogPicture {
    int command;
    const char* caption;
    const char* name;
    bool scaled;   // NAME_100 and NAME_150
    bool unscaled; // NAME, at 100 %
    void (*prepare)(HWND dialog);
};

const DialogPicture kDialogs[] = {
    {IDM_BYPASS_EXCEPTIONS, "Do not bypass driver when the filename is like...", "dlg_word", true,
     false, nullptr},
    {IDM_AUTO_FORMFEED, "Auto Formfeed Option", "dlg_feed", true, false, nullptr},
    {IDM_ORIENTATION, "Orientation", "dlg_orientation", true, true, nullptr},
    {IDM_BITMAP, "Bitmap printing", "bmpset", true, true, nullptr},
    {IDM_SCHEDULE, "Schedule unattended printing", "sched", true, true, FillInASchedule},
    {IDM_ABOUT, "About Spoolwright", "about", true, true, nullptr},
    {IDM_REMOTE_SITES, sw::kRemoteSitesCaption, "remote_sites", false, true, nullptr},
    {IDM_DRIVER_DOWNLOAD, sw::kDriverDialogCaption, "driver_download", false, true, nullptr},
};

void PictureDialog(Camera& camera, const RunningProgram& program, HWND window,
                   const DialogPicture& entry, bool atOneHundred) {
    const bool scaled = entry.scaled;
    const bool unscaled = entry.unscaled && atOneHundred;
    if (!scaled && !unscaled)
        return;
    swtest::PostCommand(window, entry.command);
    HWND dialog = program.WaitForDialog(entry.caption, 5000);
    if (dialog == nullptr)
        return camera.Fail(std::string("no dialog \"") + entry.caption + "\"");
    if (entry.prepare != nullptr && atOneHundred)
        entry.prepare(dialog);
    swtest::BringToFront(dialog);
    if (scaled)
        camera.Take(entry.name + std::string(atOneHundred ? "_100" : "_150"), Frame(dialog));
    if (unscaled)
        camera.Take(entry.name, Frame(dialog));
    PostMessageA(dialog, WM_CLOSE, 0, 0);
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    if (!swtest::WaitFor([&] { return !IsWindow(dialog); }, 5000))
        camera.Fail(std::string("\"") + entry.caption + "\" did not close");
}

// Each menu open, as Alt and its letter open it.
void PictureMenus(Camera& camera, HWND window) {
    for (const char* menu : {"f", "p", "o", "h"}) {
        PostMessageA(window, WM_SYSCOMMAND, SC_KEYMENU, static_cast<LPARAM>(menu[0]));
        camera.Take(std::string("menu_") + menu, 720, 340);
        PostMessageA(window, WM_CANCELMODE, 0, 0);
        keybd_event(VK_ESCAPE, 0, 0, 0);
        keybd_event(VK_ESCAPE, 0, KEYEVENTF_KEYUP, 0);
        Sleep(300);
    }
}

void PictureMainWindow(Camera& camera, DWORD dotsPerInch) {
    const bool atOneHundred = dotsPerInch == 96;
    SetScreenScale(dotsPerInch);
    RunningProgram program(swtest::ProgramFromEnvironment("SW_SWUTIL"), "");
    HWND window = program.WaitForWindow("SpoolwrightFarreach");
    if (window == nullptr || !swtest::WaitFor([&] { return IsWindowVisible(window) != FALSE; }))
        return camera.Fail("the main window did not open");
    swtest::BringToFront(window);
    camera.Take(atOneHundred ? "main_window_100" : "main_window_150", Frame(window));
    if (atOneHundred) {
        camera.Take("main_window", 500, 340);
        PictureMenus(camera, window);
    }
    for (const DialogPicture& entry : kDialogs)
        PictureDialog(camera, program, window, entry, atOneHundred);
    if (atOneHundred) {
        swtest::TempFile file("dropped");
        swtest::DropFiles(window, {file.Path()});
        HWND status = GetDlgItem(window, IDC_MAIN_STATUS);
        if (!swtest::WaitFor([&] { return swtest::StatusBarText(status, 0) == file.Path(); }))
            camera.Fail("the drop was not taken");
        camera.Take("after_drop", 500, 340);
    }
    PostMessageA(window, WM_CLOSE, 0, 0);
    program.WaitForExit();
    SetScreenScale(96);
}

// The port a remote site's server wrote into its folder.
std::string Port(const std::string& site) {
    const std::string file = swtest::RunFolder() + "\\remote\\" + site + "\\ipp.port";
    return std::to_string(std::atoi(swtest::ReadWholeFile(file).c_str()));
}

// A window of another process moved to the screen's top left and shown.
RECT ShownAtTopLeft(HWND window) {
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE);
    swtest::BringToFront(window);
    return Frame(window);
}

// The companion after a print from the command line to a print server,
// then asking for the sign-in of a queue that needs one.
void PictureCompanion(Camera& camera) {
    swtest::TrustCertificateAuthority(swtest::RunFolder() + "\\remote\\certs\\trusted-ca.crt");
    const std::string plain = "127.0.0.1:" + Port("site");
    const std::string tls = "ipps://localhost:" + Port("tls-site");
    const std::string printer = "ipp://127.0.0.1:" + Port("ipp-printer") + "/ipp/print";
    swtest::WriteToFile(sw::RemoteSitesFile(), plain + "|" + tls + "|" + printer + "\r\n");
    const swtest::TempFile report("line 1\r\nline 2\r\n");
    const std::string file = "|" + report.Path() + "\"";
    if (swtest::StartProgram("\"" + plain + ":sw_remote" + file).WaitForExit(60000) != 0)
        camera.Fail("the remote print failed");
    HWND companion = FindWindowA(sw::kCompanionClass, sw::kCompanionTitle);
    if (companion == nullptr)
        return camera.Fail("the companion did not stay open");
    camera.Take("companion", ShownAtTopLeft(companion));

    RunningProgram asking = swtest::StartProgram("\"" + tls + ":sw_signin" + file);
    HWND dialog = nullptr;
    if (swtest::WaitFor([&] {
            dialog = FindWindowA("#32770", sw::kSignInCaption);
            return dialog != nullptr && IsWindowVisible(dialog);
        }))
        camera.Take("companion_sign_in", ShownAtTopLeft(dialog));
    else
        camera.Fail("no sign-in dialog");
    if (dialog != nullptr)
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    asking.WaitForExit(60000);
    swtest::CloseWindowAndWait(nullptr, sw::kCompanionTitle, 5000);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: readme_pictures FOLDER (a Linux path)\n");
        return 2;
    }
    Camera camera(argv[1]);
    PictureMainWindow(camera, 96);
    PictureMainWindow(camera, 144);
    PictureCompanion(camera);
    return camera.Failures();
}
