// Printing a buffered image: the default printer, the print dialog, one page.
#include <windows.h>

#include "images/InfoBox.h"
#include "images/bmp/win/Bitmap.h"
#include "images/win/BitmapDc.h"
#include "images/win/BufferedImage.h"
#include "mfc/PrintDialog.h"
#include "mfc/Printer.h"

namespace s {
namespace image {
namespace win {

namespace {

const wchar_t kNoPrinter[] = L"Unable to find a printer. Please check installed/default printers.";
const wchar_t kPrintingFailed[] = L"Printing error occured. Unable to find printer.";
const double kMillimetresPerInch = 25.4;
// Taken off the page width only, as the printed layout has always done.
const double kMarginMillimetres = 7.0;
const int kScreenDpiWhenUnknown = 96;
const int kTitleCapacity = 256;

// The defaults the application was given, freed (with the device context they hold) at the end.
class PrinterDefaults {
public:
    PrinterDefaults() : found_(AfxGetPrinterDeviceDefaults(&defaults_) != FALSE) {}
    ~PrinterDefaults()
    {
        if (found_)
            AfxFreePrinterDefaults(&defaults_);
    }
    bool Found() const { return found_; }
    PRINTDLGW& Get() { return defaults_; }

private:
    PrinterDefaults(const PrinterDefaults&) = delete;
    PrinterDefaults& operator=(const PrinterDefaults&) = delete;
    PRINTDLGW defaults_;
    bool found_;
};

// The printer's device context: the one the defaults hold, else one made from them and deleted here.
class PrinterDc : public CDC {
public:
    explicit PrinterDc(PRINTDLGW& defaults) : created_(false)
    {
        if (defaults.hDC) {
            Attach(defaults.hDC);
            return;
        }
        created_ = Attach(AfxCreateDC(defaults.hDevNames, defaults.hDevMode)) != FALSE;
    }
    ~PrinterDc() override
    {
        if (created_)
            DeleteDC();
        else
            Detach();
    }

private:
    bool created_;
};

int ScreenDpi(const CDC& screen, int index)
{
    const int dpi = screen.GetDeviceCaps(index);
    return dpi > 0 ? dpi : kScreenDpiWhenUnknown;
}

} // namespace

void BufferedImage::Print(bool rotateLandscape, bool sharpen, bool fitToPage)
{
    if (HasFilters()) {
        IBufferedImage* filtered = GetFilteredImage();
        if (filtered)
            filtered->Print(rotateLandscape, sharpen, fitToPage);
        return;
    }
    if (!bitmap_ || width_ <= 0 || height_ <= 0)
        return;
    BitmapDc memory(bitmap_->GetHandle());
    if (!memory.IsReady())
        return;

    PrinterDefaults defaults;
    if (!defaults.Found())
        return;
    PrinterDc printer(defaults.Get());
    if (!printer.GetSafeHdc()) {
        ShowInfoBox(kNoPrinter);
        return;
    }

    const int printerDpiX = printer.GetDeviceCaps(LOGPIXELSX);
    const int printerDpiY = printer.GetDeviceCaps(LOGPIXELSY);
    const int32_t pageWidth =
        static_cast<int32_t>(printer.GetDeviceCaps(HORZSIZE) * printerDpiX / kMillimetresPerInch) -
        static_cast<int32_t>(kMarginMillimetres * printerDpiX / kMillimetresPerInch);
    const int32_t pageHeight =
        static_cast<int32_t>(printer.GetDeviceCaps(VERTSIZE) * printerDpiY / kMillimetresPerInch);
    const double scaleX = static_cast<double>(printerDpiX) / ScreenDpi(memory, LOGPIXELSX);
    const double scaleY = static_cast<double>(printerDpiY) / ScreenDpi(memory, LOGPIXELSY);

    CPrintDialog dialog(FALSE, PD_PAGENUMS | PD_USEDEVMODECOPIES | PD_HIDEPRINTTOFILE | PD_NOSELECTION);
    dialog.m_pd.nFromPage = 1;
    dialog.m_pd.nToPage = 1;
    dialog.m_pd.nMinPage = 1;
    dialog.m_pd.nMaxPage = 1;
    if (dialog.DoModal() != IDOK)
        return;

    wchar_t title[kTitleCapacity] = {};
    if (LoadStringW(GetModuleHandleW(nullptr), AFX_IDS_APP_TITLE, title, kTitleCapacity) <= 0)
        title[0] = L'\0';
    const wchar_t* port = dialog.GetPortName();
    DOCINFOW document = {};
    document.cbSize = sizeof(document);
    document.lpszDocName = title;
    document.lpszOutput = port[0] ? port : nullptr;
    if (printer.StartDoc(&document) <= 0) {
        ShowInfoBox(kPrintingFailed);
        return;
    }
    printer.SetMapMode(MM_TEXT);
    printer.StartPage();
    const RECT page = {0, 0, pageWidth, pageHeight};
    printer.FillSolidRect(page, RGB(255, 255, 255));

    // The picture goes as it is: turning, fitting, sharpening and flattening it onto white
    // come with the image transforms.
    memory.Select(bitmap_->GetHandle());
    printer.StretchBlt(0, 0, static_cast<int32_t>(scaleX * width_), static_cast<int32_t>(scaleY * height_), &memory, 0,
                       0, width_, height_, SRCCOPY);
    printer.EndPage();
    printer.EndDoc();
}

} // namespace win
} // namespace image
} // namespace s
