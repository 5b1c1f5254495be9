// Bitmap printing through GDI: BLTIMAGE drawing into a memory canvas whose
// pixels the tests read back, and PrintBMP printing through Wine's PostScript
// driver to a CUPS raw queue, whose job the virtual printer receives.
#include "common/path_helpers.h"
#include "printengine/feedback_api.h"
#include "printengine/swprint.h"
#include "support/long_path_file.h"
#include "support/print_server.h"
#include "support/scoped_seam.h"
#include "support/temp_files.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using swtest::PrinterInbox;
using swtest::TempFile;

const char kPrinter[] = "sw_bitmap";

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kYellow = RGB(255, 255, 0);
const std::vector<HCURSOR> kWaitThenArrow = {LoadCursorA(nullptr, IDC_WAIT),
                                             LoadCursorA(nullptr, IDC_ARROW)};

// A 24-bit bitmap file split in two colours: left and right halves when
// `sideBySide`, else top and bottom halves.
std::string TwoColourBitmap(int width, int height, COLORREF first, COLORREF second,
                            bool sideBySide) {
    const int rowBytes = swtest::BitmapRowBytes(width);
    std::string bytes = swtest::BitmapFileHeader(width, height);
    for (int row = height - 1; row >= 0; --row) { // stored bottom row first
        std::string line;
        for (int column = 0; column < width; ++column) {
            const bool isFirst = sideBySide ? column < width / 2 : row < height / 2;
            const COLORREF colour = isFirst ? first : second;
            line += static_cast<char>(GetBValue(colour));
            line += static_cast<char>(GetGValue(colour));
            line += static_cast<char>(GetRValue(colour));
        }
        line.resize(static_cast<std::size_t>(rowBytes), '\0');
        bytes += line;
    }
    return bytes;
}

// Records the cursor and message-box calls of bitmap printing; the message
// box is answered at once instead of waiting for a user.
class FeedbackRecorder : public swtest::ScopedSeam<sw::FeedbackApi, FeedbackRecorder> {
  public:
    FeedbackRecorder() : ScopedSeam(sw::Feedback()) {
        sw::Feedback().setCursor = &SetCursorCall;
        sw::Feedback().messageBox = &MessageBoxCall;
    }

    std::vector<HCURSOR> cursors;
    std::vector<std::string> messages;

  private:
    static HCURSOR WINAPI SetCursorCall(HCURSOR cursor) {
        Active()->cursors.push_back(cursor);
        return nullptr;
    }
    static int WINAPI MessageBoxCall(HWND, LPCSTR text, LPCSTR, UINT type) {
        EXPECT_EQ(type & 0xF, static_cast<UINT>(MB_OK)) << "the box has an OK button only";
        Active()->messages.push_back(text);
        return IDOK;
    }
};

// A white 32-bit canvas in a memory device context, as a caller of BLTIMAGE
// holds one; its pixels can be read back.
class Canvas {
  public:
    Canvas() {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = kSize;
        info.bmiHeader.biHeight = -kSize;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, nullptr, nullptr, 0);
        previous_ = SelectObject(dc_, bitmap_);
        const RECT all = {0, 0, kSize, kSize};
        FillRect(dc_, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    ~Canvas() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC Dc() const { return dc_; }
    COLORREF At(int x, int y) const { return GetPixel(dc_, x, y); }
    // Inches that make `pixels` device pixels on this canvas.
    double Inches(int pixels) const {
        return static_cast<double>(pixels) / GetDeviceCaps(dc_, LOGPIXELSX);
    }
    bool AllWhite() const {
        for (int y = 0; y < kSize; y += 3)
            for (int x = 0; x < kSize; x += 3)
                if (At(x, y) != kWhite)
                    return false;
        return true;
    }

    static constexpr int kSize = 200;

  private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
};

SHORT Draw(const std::string& file, SHORT mode, const Canvas& canvas, int x, int y, int width,
           int height) {
    return BLTIMAGE(file.c_str(), mode, canvas.Inches(x), canvas.Inches(y), canvas.Inches(width),
                    canvas.Inches(height), canvas.Dc());
}

TEST(BltImage, StretchFitsAWideBitmapToTheBoxWidth) {
    ASSERT_EQ(GetDeviceCaps(Canvas().Dc(), LOGPIXELSX), GetDeviceCaps(Canvas().Dc(), LOGPIXELSY));
    TempFile bitmap(TwoColourBitmap(20, 10, kRed, kBlue, true), ".bmp");
    Canvas canvas;
    // Box 100 x 100 at (10, 20): the 2:1 bitmap fills 100 x 50 of it.
    EXPECT_EQ(Draw(bitmap.Path(), 1, canvas, 10, 20, 100, 100), 1);
    EXPECT_EQ(canvas.At(35, 45), kRed);
    EXPECT_EQ(canvas.At(85, 45), kBlue);
    EXPECT_EQ(canvas.At(10, 20), kRed) << "the image starts at the box's corner";
    EXPECT_EQ(canvas.At(9, 45), kWhite) << "nothing left of the box";
    EXPECT_EQ(canvas.At(35, 19), kWhite) << "nothing above the box";
    EXPECT_EQ(canvas.At(35, 80), kWhite) << "the height shrank to 50";
    EXPECT_EQ(canvas.At(115, 45), kWhite) << "nothing right of the box";
}

TEST(BltImage, StretchFitsATallBitmapToTheBoxHeight) {
    TempFile bitmap(TwoColourBitmap(10, 20, kGreen, kYellow, false), ".bmp");
    Canvas canvas;
    EXPECT_EQ(Draw(bitmap.Path(), 1, canvas, 10, 20, 100, 100), 1);
    EXPECT_EQ(canvas.At(35, 40), kGreen);
    EXPECT_EQ(canvas.At(35, 100), kYellow);
    EXPECT_EQ(canvas.At(75, 70), kWhite) << "the width shrank to 50";
    EXPECT_EQ(canvas.At(35, 125), kWhite) << "nothing below the box";
}

TEST(BltImage, CopyModeCopiesPixelsWithoutScaling) {
    TempFile bitmap(TwoColourBitmap(20, 10, kRed, kBlue, true), ".bmp");
    Canvas canvas;
    EXPECT_EQ(Draw(bitmap.Path(), 0, canvas, 10, 20, 100, 100), 1);
    EXPECT_EQ(canvas.At(10 + 5, 20 + 5), kRed);
    EXPECT_EQ(canvas.At(10 + 15, 20 + 5), kBlue) << "a stretched copy would be red here";
    EXPECT_EQ(canvas.At(10 + 15, 20 + 60), kWhite) << "the copy stays inside the fitted box";
}

TEST(BltImage, BoxWithoutWidthOrHeightDrawsNothing) {
    TempFile bitmap(TwoColourBitmap(20, 10, kRed, kBlue, true), ".bmp");
    for (SHORT mode : {0, 1}) {
        Canvas canvas;
        EXPECT_EQ(Draw(bitmap.Path(), mode, canvas, 10, 20, 0, 100), 1) << "mode " << mode;
        EXPECT_EQ(Draw(bitmap.Path(), mode, canvas, 10, 20, 100, 0), 1) << "mode " << mode;
        EXPECT_TRUE(canvas.AllWhite()) << "mode " << mode;
    }
}

TEST(BltImage, FileThatIsNoBitmapShowsTheMessageAndDrawsNothing) {
    TempFile notABitmap("plain text, not a bitmap\r\n", ".bmp");
    const std::string missing = notABitmap.Path() + ".missing.bmp";
    for (const std::string& file : {notABitmap.Path(), missing, std::string()}) {
        FeedbackRecorder feedback;
        Canvas canvas;
        EXPECT_EQ(Draw(file, 1, canvas, 10, 20, 100, 100), 0) << file;
        EXPECT_EQ(feedback.messages, std::vector<std::string>{"Can't load bitmap"}) << file;
        EXPECT_TRUE(canvas.AllWhite()) << file;
    }
}

// Wine's PostScript driver works at 300 dpi: the page shows where the image
// is placed ("x y translate") and the size it is drawn at ("w h scale").
TEST(PrintBmp, PrintsTheFittedBitmapAsAPostScriptJobNamedForTheFile) {
    const struct {
        int width, height;
        double left, top;
        const char* placement;
        const char* image;
    } cases[] = {
        {200, 100, 0.5, 0.5, "150 150 translate\n1200 600 scale", "/Width 200\n /Height 100"},
        {100, 200, 1.0, 0.5, "300 150 translate\n600 1200 scale", "/Width 100\n /Height 200"},
    };
    for (const auto& c : cases) {
        TempFile bitmap(TwoColourBitmap(c.width, c.height, kRed, kBlue, true), ".bmp");
        FeedbackRecorder feedback;
        PrinterInbox inbox(kPrinter);

        EXPECT_EQ(PrintBMP(kPrinter, bitmap.Path().c_str(), c.left, c.top, 4, 4), 0);
        const std::string job = inbox.NextJob();
        EXPECT_NE(job.find("%%Title: Spoolwright: " + sw::FileNamePart(bitmap.Path())),
                  std::string::npos)
            << job.substr(0, 400);
        EXPECT_NE(job.find(c.placement), std::string::npos) << c.placement;
        EXPECT_NE(job.find(c.image), std::string::npos) << "the whole bitmap: " << c.image;
        EXPECT_TRUE(feedback.messages.empty());
        EXPECT_EQ(feedback.cursors, kWaitThenArrow);
    }
}

// A bitmap that cannot be loaded is no page printed: nothing reaches the
// printer, nothing waits for a user, and the reason is the last error.
TEST(PrintBmp, UnloadableBitmapPrintsNothingAndGivesTheReason) {
    TempFile notABitmap("not a bitmap", ".bmp");
    const std::string missing = notABitmap.Path() + ".missing.bmp";
    PrinterInbox inbox(kPrinter);
    {
        FeedbackRecorder feedback;
        swtest::PoisonLastError();
        EXPECT_EQ(PrintBMP(kPrinter, notABitmap.Path().c_str(), 0.5, 0.5, 4, 4), -1);
        const DWORD error = GetLastError();
        EXPECT_NE(error, 0u);
        EXPECT_NE(error, 0xdeadbeefu) << "the reason is this call's";
        EXPECT_TRUE(feedback.messages.empty()) << "no message box";
    }
    {
        FeedbackRecorder feedback;
        swtest::PoisonLastError();
        EXPECT_EQ(PrintBMP(kPrinter, missing.c_str(), 0.5, 0.5, 4, 4), -1);
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
        EXPECT_TRUE(feedback.messages.empty());
    }
    // The next page to arrive is this one: nothing was printed before it.
    TempFile bitmap(TwoColourBitmap(20, 10, kRed, kBlue, true), ".bmp");
    ASSERT_EQ(PrintBMP(kPrinter, bitmap.Path().c_str(), 0.5, 0.5, 4, 4), 0);
    EXPECT_NE(inbox.NextJob().find("%%Title: Spoolwright: " + sw::FileNamePart(bitmap.Path())),
              std::string::npos);
}

// A path is never cut, as PrintFile's never is: a bitmap at a path longer
// than 259 characters prints, and a path longer than any the system takes is
// refused with error 206.
TEST(PrintBmp, PrintsABitmapAtALongPathAndRefusesALongerThanAnyPath) {
    const swtest::LongPathFile bitmap(TwoColourBitmap(20, 10, kRed, kBlue, true));
    ASSERT_GT(bitmap.Path().size(), 259u);
    PrinterInbox inbox(kPrinter);
    ASSERT_EQ(PrintBMP(kPrinter, bitmap.Path().c_str(), 0.5, 0.5, 4, 4), 0) << GetLastError();
    EXPECT_NE(inbox.NextJob().find("/Width 20\n /Height 10"), std::string::npos);

    const std::string beyondTheSystem = "C:\\" + std::string(33000, 'x');
    swtest::PoisonLastError();
    EXPECT_EQ(PrintBMP(kPrinter, beyondTheSystem.c_str(), 0.5, 0.5, 4, 4), -1);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILENAME_EXCED_RANGE));
    EXPECT_FALSE(inbox.HasNextJob());
}

// A box that puts nothing of the image on the page (no width or height, or
// beyond the page) prints no empty page: it fails with 87.
TEST(PrintBmp, BoxThatPutsNothingOnThePagePrintsNothing) {
    TempFile bitmap(TwoColourBitmap(200, 100, kRed, kBlue, true), ".bmp");
    PrinterInbox inbox(kPrinter);
    const double boxes[][4] = {
        {0.5, 0.5, 0, 4}, {0.5, 0.5, 4, 0}, {100, 0.5, 4, 4}, {0.5, 100, 4, 4}, {-5, 0.5, 4, 4}};
    for (const auto& box : boxes) {
        swtest::PoisonLastError();
        EXPECT_EQ(PrintBMP(kPrinter, bitmap.Path().c_str(), box[0], box[1], box[2], box[3]), -1)
            << box[0] << " " << box[1] << " " << box[2] << " " << box[3];
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    }
    swtest::ExpectNothingSentBefore(inbox, kPrinter);
}

TEST(PrintBmp, PrinterWithoutDeviceContextGivesMinusOne) {
    TempFile bitmap(TwoColourBitmap(20, 10, kRed, kBlue, true), ".bmp");
    for (const char* printer : {"sw_no_such_printer", ""}) {
        FeedbackRecorder feedback;
        swtest::PoisonLastError();
        EXPECT_EQ(PrintBMP(printer, bitmap.Path().c_str(), 0.5, 0.5, 4, 4), -1) << printer;
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PRINTER_NAME)) << printer;
        EXPECT_TRUE(feedback.messages.empty()) << "the bitmap is not even loaded";
        EXPECT_EQ(feedback.cursors, kWaitThenArrow) << "the arrow comes back on failure";
    }
    EXPECT_EQ(PrintBMP(nullptr, nullptr, 0, 0, 1, 1), -1);
}

} // namespace
