// Printing through a printer stand-in: the endings without a printer, a refused document, the
// dialog's answer, and what reaches the page.
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "images/ImageFixtures.h"
#include "images/InfoBox.h"
#include "images/TestFilter.h"
#include "images/win/BufferedImage.h"
#include "mfc/Printer.h"
#include "support/BoxRecorder.h"

namespace {

using images_test::Canvas;
using images_test::ImagePtr;
using images_test::MakeImage;

const wchar_t kNoPrinter[] = L"Unable to find a printer. Please check installed/default printers.";
const wchar_t kPrintingFailed[] = L"Printing error occured. Unable to find printer.";
const wchar_t kPort[] = L"LPT9:";
const int32_t kPageSide = 300;
const uint32_t kUntouched = 0x00ABCDEFu;

// What the stand-in printer offers and what it was asked.
struct PrinterState {
    bool hasDefaults = true;
    bool defaultsHoldDc = false;
    bool canCreateDc = true;
    BOOL dialogAnswer = TRUE;
    int startDocResult = 1;
    Canvas* page = nullptr;

    int dialogs = 0;
    int createdDcs = 0;
    int documents = 0;
    int pages = 0;
    int endedDocuments = 0;
    std::wstring documentName;
    std::wstring output;
    DWORD dialogFlags = 0;
    WORD fromPage = 0, toPage = 0, minPage = 0, maxPage = 0;
};

PrinterState* printer = nullptr;
std::vector<std::wstring> infoBoxes;

HGLOBAL MakeDevNames(const wchar_t* port)
{
    const wchar_t driver[] = L"winspool";
    const wchar_t device[] = L"Stand-in Printer";
    const size_t chars = 4 + wcslen(driver) + 1 + wcslen(device) + 1 + wcslen(port) + 1;
    HGLOBAL handle = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, chars * sizeof(wchar_t));
    DEVNAMES* names = static_cast<DEVNAMES*>(GlobalLock(handle));
    wchar_t* text = reinterpret_cast<wchar_t*>(names);
    names->wDriverOffset = 4;
    wcscpy(text + names->wDriverOffset, driver);
    names->wDeviceOffset = static_cast<WORD>(names->wDriverOffset + wcslen(driver) + 1);
    wcscpy(text + names->wDeviceOffset, device);
    names->wOutputOffset = static_cast<WORD>(names->wDeviceOffset + wcslen(device) + 1);
    wcscpy(text + names->wOutputOffset, port);
    GlobalUnlock(handle);
    return handle;
}

BOOL WINAPI StandInPrintDlg(PRINTDLGW* dialog)
{
    if (dialog->Flags & PD_RETURNDEFAULT) {
        if (!printer->hasDefaults)
            return FALSE;
        dialog->hDevNames = MakeDevNames(L"");
        if (printer->defaultsHoldDc)
            dialog->hDC = printer->page->DetachDc();
        return TRUE;
    }
    ++printer->dialogs;
    printer->dialogFlags = dialog->Flags;
    printer->fromPage = dialog->nFromPage;
    printer->toPage = dialog->nToPage;
    printer->minPage = dialog->nMinPage;
    printer->maxPage = dialog->nMaxPage;
    if (printer->dialogAnswer)
        dialog->hDevNames = MakeDevNames(kPort);
    return printer->dialogAnswer;
}

HDC WINAPI StandInCreateDC(const wchar_t*, const wchar_t*, const wchar_t*, const DEVMODEW*)
{
    if (!printer->canCreateDc)
        return nullptr;
    ++printer->createdDcs;
    return printer->page->DetachDc();
}

int WINAPI StandInStartDoc(HDC, const DOCINFOW* document)
{
    ++printer->documents;
    printer->documentName = document->lpszDocName ? document->lpszDocName : L"(null)";
    printer->output = document->lpszOutput ? document->lpszOutput : L"";
    return printer->startDocResult;
}

int WINAPI StandInStartPage(HDC)
{
    ++printer->pages;
    return 1;
}

int WINAPI StandInEndPage(HDC)
{
    return 1;
}

int WINAPI StandInEndDoc(HDC)
{
    ++printer->endedDocuments;
    return 1;
}

void RecordInfoBox(const wchar_t* text)
{
    infoBoxes.push_back(text);
}

class BufferedImagePrint : public testing::Test {
protected:
    void SetUp() override
    {
        printer = &state_;
        state_.page = &page_;
        infoBoxes.clear();
        previousFunctions_ = AfxSetPrinterFunctions(AfxPrinterFunctions{&StandInPrintDlg, &StandInCreateDC,
                                                                        &StandInStartDoc, &StandInStartPage,
                                                                        &StandInEndPage, &StandInEndDoc});
        previousBox_ = s::image::SetInfoBoxFunction(&RecordInfoBox);
        testing_support::BoxRecorder::Take();
    }
    void TearDown() override
    {
        AfxSetPrinterFunctions(previousFunctions_);
        s::image::SetInfoBoxFunction(previousBox_);
        printer = nullptr;
    }

    ImagePtr RedImage(int32_t width, int32_t height)
    {
        ImagePtr image = MakeImage(width, height);
        if (image)
            images_test::Fill(image.get(), 0xFFFF0000u);
        return image;
    }

    Canvas page_{kPageSide, kPageSide, kUntouched};
    PrinterState state_;
    AfxPrinterFunctions previousFunctions_ = {};
    s::image::InfoBoxFunction previousBox_ = nullptr;
};

TEST_F(BufferedImagePrint, WithoutPrinterDefaultsItEndsSilently)
{
    state_.hasDefaults = false;
    ImagePtr image = RedImage(4, 3);
    ASSERT_TRUE(image);
    image->Print(false, false, false);
    EXPECT_TRUE(infoBoxes.empty());
    EXPECT_EQ(0, state_.dialogs);
    EXPECT_EQ(0, state_.documents);
    EXPECT_TRUE(testing_support::BoxRecorder::Take().empty());
}

TEST_F(BufferedImagePrint, WithoutAPrinterContextItSaysSo)
{
    state_.canCreateDc = false;
    ImagePtr image = RedImage(4, 3);
    ASSERT_TRUE(image);
    image->Print(false, false, false);
    ASSERT_EQ(1u, infoBoxes.size());
    EXPECT_EQ(kNoPrinter, infoBoxes[0]);
    EXPECT_EQ(0, state_.dialogs);
    EXPECT_EQ(0, state_.documents);
}

TEST_F(BufferedImagePrint, TheDefaultBoxIsTheApplicationsInformationBox)
{
    s::image::SetInfoBoxFunction(nullptr);
    state_.canCreateDc = false;
    ImagePtr image = RedImage(4, 3);
    ASSERT_TRUE(image);
    image->Print(false, false, false);
    const std::vector<testing_support::RecordedBox> boxes = testing_support::BoxRecorder::Take();
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(kNoPrinter, boxes[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_ICONINFORMATION), boxes[0].type & MB_ICONMASK);
}

TEST_F(BufferedImagePrint, ADeclinedDialogPrintsNothing)
{
    state_.dialogAnswer = FALSE;
    ImagePtr image = RedImage(4, 3);
    ASSERT_TRUE(image);
    image->Print(false, false, false);
    EXPECT_EQ(1, state_.dialogs);
    EXPECT_EQ(0, state_.documents);
    EXPECT_TRUE(infoBoxes.empty());
    EXPECT_EQ(kUntouched, page_.At(1, 1));
    // The dialog offered page 1 only.
    EXPECT_TRUE(state_.dialogFlags & PD_PAGENUMS);
    EXPECT_EQ(1, state_.fromPage);
    EXPECT_EQ(1, state_.toPage);
    EXPECT_EQ(1, state_.minPage);
    EXPECT_EQ(1, state_.maxPage);
}

TEST_F(BufferedImagePrint, ARefusedDocumentSaysSoAndPrintsNoPage)
{
    state_.startDocResult = SP_ERROR;
    ImagePtr image = RedImage(4, 3);
    ASSERT_TRUE(image);
    image->Print(false, false, false);
    ASSERT_EQ(1u, infoBoxes.size());
    EXPECT_EQ(kPrintingFailed, infoBoxes[0]);
    EXPECT_EQ(1, state_.documents);
    EXPECT_EQ(0, state_.pages);
    EXPECT_EQ(0, state_.endedDocuments);
    EXPECT_EQ(kUntouched, page_.At(1, 1));
}

TEST_F(BufferedImagePrint, ThePagePrintsTheImageOnWhite)
{
    ImagePtr image = RedImage(4, 3);
    ASSERT_TRUE(image);
    image->Print(false, false, false);
    EXPECT_TRUE(infoBoxes.empty());
    EXPECT_EQ(1, state_.createdDcs);
    EXPECT_EQ(1, state_.documents);
    EXPECT_EQ(1, state_.pages);
    EXPECT_EQ(1, state_.endedDocuments);
    // The test program has no string table: an empty document name; the dialog's port as output.
    EXPECT_EQ(L"", state_.documentName);
    EXPECT_EQ(kPort, state_.output);
    // The stand-in page has the screen's resolution: one image pixel per page pixel.
    EXPECT_EQ(0xFF0000u, page_.At(0, 0) & 0xFFFFFF);
    EXPECT_EQ(0xFF0000u, page_.At(3, 2) & 0xFFFFFF);
    EXPECT_EQ(0xFFFFFFu, page_.At(4, 2) & 0xFFFFFF);
    EXPECT_EQ(0xFFFFFFu, page_.At(kPageSide - 1, kPageSide - 1) & 0xFFFFFF);
}

TEST_F(BufferedImagePrint, TheDefaultsOwnContextIsUsedWhenTheyHoldOne)
{
    state_.defaultsHoldDc = true;
    ImagePtr image = RedImage(2, 2);
    ASSERT_TRUE(image);
    image->Print(false, false, false);
    EXPECT_EQ(0, state_.createdDcs);
    EXPECT_EQ(1, state_.pages);
    EXPECT_EQ(0xFF0000u, page_.At(1, 1) & 0xFFFFFF);
}

TEST_F(BufferedImagePrint, AnImageWithFiltersPrintsItsFilteredImage)
{
    ImagePtr image = RedImage(4, 3);
    ASSERT_TRUE(image);
    images_test::TestFilter blue(L"Blue", false);
    blue.setsPixels = true;
    blue.pixel = 0xFF0000FFu;
    image->AddFilter(&blue);
    image->Print(false, false, false);
    EXPECT_EQ(1, blue.applied);
    EXPECT_EQ(1, state_.pages);
    EXPECT_EQ(0x0000FFu, page_.At(0, 0) & 0xFFFFFF);
    EXPECT_EQ(0x0000FFu, page_.At(3, 2) & 0xFFFFFF);
    image->DetachAllFilters();
}

TEST_F(BufferedImagePrint, AWideImageIsTurnedWhenAskedAndFittedToThePage)
{
    // 2000 x 10, wider than any page: red above, blue below. Turned clockwise the blue half comes
    // to the left; fitted, the picture fills the page height (about a thousand pixels) and is a
    // few pixels wide, or, unturned, fills the page width and is a few pixels high.
    const uint32_t kRed = 0xFF0000u, kBlue = 0x0000FFu, kWhite = 0xFFFFFFu;
    struct Case {
        bool rotate;
        int32_t x, y;
        uint32_t colour;
    };
    const Case cases[] = {{true, 0, 100, kBlue}, {true, 3, 200, kRed},   {true, 30, 100, kWhite},
                          {false, 200, 0, kRed}, {false, 299, 1, kRed}, {false, 200, 30, kWhite}};
    for (const Case& c : cases) {
        Canvas page(kPageSide, kPageSide, kUntouched);
        state_.page = &page;
        ImagePtr image = MakeImage(2000, 10);
        ASSERT_TRUE(image);
        for (int32_t y = 0; y < 10; ++y)
            for (int32_t x = 0; x < 2000; ++x)
                image->GetRow(y)[x] = y < 5 ? 0xFFFF0000u : 0xFF0000FFu;
        image->Print(c.rotate, false, false);
        EXPECT_EQ(c.colour, page.At(c.x, c.y) & 0xFFFFFF) << c.rotate << " at " << c.x << "," << c.y;
        // The image itself is left as it was.
        EXPECT_EQ(2000, image->GetWidth());
        EXPECT_EQ(0xFF0000FFu, image->GetRow(9)[0]);
    }
}

TEST_F(BufferedImagePrint, FitToPageEnlargesASmallImage)
{
    ImagePtr image = RedImage(4, 3);
    ASSERT_TRUE(image);
    image->Print(true, false, true);
    EXPECT_EQ(0xFF0000u, page_.At(kPageSide - 1, kPageSide - 1) & 0xFFFFFF);
    EXPECT_EQ(4, image->GetWidth());
}

TEST_F(BufferedImagePrint, TransparencyIsPrintedOnWhite)
{
    ImagePtr image = MakeImage(4, 3);
    ASSERT_TRUE(image);
    images_test::Fill(image.get(), 0x80000000u);
    image->GetRow(0)[0] = 0x00000000u;
    image->SetHasAlpha(true);
    image->Print(false, false, false);
    EXPECT_EQ(0x7F7F7Fu, page_.At(1, 1) & 0xFFFFFF);
    EXPECT_EQ(0xFFFFFFu, page_.At(0, 0) & 0xFFFFFF);
    // The image keeps its own pixels and flag.
    EXPECT_EQ(0x80000000u, image->GetRow(1)[1]);
    EXPECT_TRUE(image->HasAlpha());
}

TEST_F(BufferedImagePrint, SharpeningPrintsASharpenedCopy)
{
    ImagePtr image = MakeImage(3, 3);
    ASSERT_TRUE(image);
    images_test::Fill(image.get(), 0xFF808080u);
    image->GetRow(1)[1] = 0xFF202020u;
    image->Print(false, true, false);
    // Level 80 above a dark pixel: (1100 x 128 - 144 x (3 x 128 + 32)) / 524 = 154.
    EXPECT_EQ(0x9A9A9Au, page_.At(1, 0) & 0xFFFFFF);
    EXPECT_FALSE(image->HasFilters());
    EXPECT_EQ(0xFF808080u, image->GetRow(0)[1]);
}

TEST_F(BufferedImagePrint, AnImageWithoutPixelsPrintsNothing)
{
    ImagePtr image(s::image::win::BufferedImage::New());
    ASSERT_TRUE(image);
    image->Print(false, false, false);
    EXPECT_EQ(0, state_.dialogs);
    EXPECT_TRUE(infoBoxes.empty());
}

} // namespace
