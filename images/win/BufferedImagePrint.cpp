// Printing a buffered image: the default printer, the print dialog, one page.
#include <windows.h>

#include "images/AlphaOperations.h"
#include "images/InfoBox.h"
#include "images/bmp/win/Bitmap.h"
#include "images/filters/sharpness/Sharpness.h"
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
// How much a printed picture is sharpened when asked.
const int32_t kPrintSharpness = 80;

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

// The picture for the page: turned and fitted to the page (given in screen pixels) when asked or
// when it does not fit, else a plain copy. A new image the caller gives back; null when it cannot
// be made.
IBufferedImage* PreparePicture(BufferedImage* image, bool rotateLandscape, bool fitToPage, int32_t pageWidth,
                               int32_t pageHeight)
{
    if (!fitToPage && image->GetWidth() <= pageWidth && image->GetHeight() <= pageHeight)
        return image->CopyTo(nullptr);
    IBufferedImage* rotated = nullptr;
    IBufferedImage* source = image;
    if (rotateLandscape && image->GetWidth() > image->GetHeight()) {
        rotated = image->RotateRight(nullptr);
        if (rotated)
            source = rotated;
    }
    IBufferedImage* scaled = source->Scale(pageWidth, pageHeight, true);
    // The scaled copy belongs to its image: the page gets a copy of its own.
    IBufferedImage* picture = scaled ? scaled->CopyTo(nullptr) : nullptr;
    ReleaseImage(rotated);
    return picture;
}

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

    IBufferedImage* picture = PreparePicture(this, rotateLandscape, fitToPage,
                                             static_cast<int32_t>(pageWidth / scaleX),
                                             static_cast<int32_t>(pageHeight / scaleY));
    if (picture) {
        IBufferedImage* printed = picture;
        if (sharpen) {
            filters::sharpness::Sharpness* filter = filters::sharpness::NewSharpness(kPrintSharpness);
            if (filter) {
                filter->SetAutoRelease(true);
                picture->AddFilter(filter);
                IBufferedImage* filtered = picture->ApplyFilters();
                if (filtered)
                    printed = filtered;
            }
        }
        // Paper has no alpha: what shows through is the page's white.
        FlattenOnWhite(printed);
        if (memory.Select(printed->GetBitmapHandle()))
            printer.StretchBlt(0, 0, static_cast<int32_t>(scaleX * printed->GetWidth()),
                               static_cast<int32_t>(scaleY * printed->GetHeight()), &memory, 0, 0,
                               printed->GetWidth(), printed->GetHeight(), SRCCOPY);
        // Takes its filter and filtered image with it.
        ReleaseImage(picture);
    }
    printer.EndPage();
    printer.EndDoc();
}

} // namespace win
} // namespace image
} // namespace s
