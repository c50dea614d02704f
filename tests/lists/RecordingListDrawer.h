#pragma once
// A list-box drawer that notes the arguments of every DrawItem and has another drawer paint.
#include <windows.h>

#include <mutex>
#include <string>
#include <vector>

#include "skins/drawer/IListBox.h"

namespace listtest {

struct DrawCall {
    int32_t width, height, alignment;
    uint8_t selected, highlighted, fullRowSelect, alternateRow;
    int32_t dropLevel, dropPosition;
    uint8_t firstRow, lastRow;
    int32_t status;
    std::wstring text;
    s::gui::IFont* font;
    s::gui::IFont* selectedFont;
    uint8_t hasIcon;
    s::image::IImageBuffer* icon;
    uint8_t hasCheckBox;
    int32_t checkState;
    uint8_t option, treeRow;
    int32_t expandState, level;
    uint8_t endEllipsis, bottomAlign, underline, linkColor, progress, statusColor;
    bool hadTarget;
};

class RecordingListDrawer : public s::gui::drawer::IListBox {
public:
    explicit RecordingListDrawer(s::gui::drawer::IListBox* painter) : painter_(painter) {}

    std::vector<DrawCall> Take()
    {
        std::lock_guard<std::mutex> hold(lock_);
        std::vector<DrawCall> calls;
        calls.swap(calls_);
        return calls;
    }

    const wchar_t* GetClassName() override { return L"RecordingListDrawer"; }
    s::base::IObject* NewInstance() override { return nullptr; }
    // Owned by the test.
    void ReleaseToPool() override {}
    void Reset() override {}

    void FillBackground(CDC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom) override
    {
        painter_->FillBackground(dc, left, top, right, bottom);
    }
    void DrawItem(CDC* dc, s::image::win::BufferedImage* target, int32_t left, int32_t top, int32_t right,
                  int32_t bottom, int32_t alignment, uint8_t selected, uint8_t highlighted, uint8_t fullRowSelect,
                  uint8_t alternateRow, int32_t dropLevel, int32_t dropPosition, uint8_t firstRow, uint8_t lastRow,
                  int32_t status, const wchar_t* text, s::gui::IFont* font, s::gui::IFont* selectedFont,
                  uint8_t hasIcon, s::image::IImageBuffer* icon, uint8_t hasCheckBox, int32_t checkState,
                  uint8_t option, uint8_t treeRow, int32_t expandState, int32_t level, int32_t* textLeft,
                  int32_t* textTop, int32_t* textWidth, int32_t* textHeight, uint8_t endEllipsis,
                  uint8_t bottomAlign, uint8_t underline, uint8_t linkColor, uint8_t progress,
                  uint8_t statusColor) override
    {
        {
            std::lock_guard<std::mutex> hold(lock_);
            // Every cell is painted into its own image from the origin.
            EXPECT_EQ(0, left);
            EXPECT_EQ(0, top);
            calls_.push_back(DrawCall{right - left, bottom - top, alignment, selected, highlighted, fullRowSelect,
                                      alternateRow, dropLevel, dropPosition, firstRow, lastRow, status,
                                      text ? text : L"(null)", font, selectedFont, hasIcon, icon, hasCheckBox,
                                      checkState, option, treeRow, expandState, level, endEllipsis, bottomAlign,
                                      underline, linkColor, progress, statusColor, target != nullptr});
        }
        painter_->DrawItem(dc, target, left, top, right, bottom, alignment, selected, highlighted, fullRowSelect,
                           alternateRow, dropLevel, dropPosition, firstRow, lastRow, status, text, font,
                           selectedFont, hasIcon, icon, hasCheckBox, checkState, option, treeRow, expandState, level,
                           textLeft, textTop, textWidth, textHeight, endEllipsis, bottomAlign, underline, linkColor,
                           progress, statusColor);
    }
    bool HitCheckBox(int32_t x, int32_t y, uint8_t treeRow, int32_t level) override
    {
        return painter_->HitCheckBox(x, y, treeRow, level);
    }
    bool HitExpander(int32_t x, int32_t y, int32_t level) override { return painter_->HitExpander(x, y, level); }
    COLORREF GetSelectionColor() override { return painter_->GetSelectionColor(); }
    void SetSelectionColor(int32_t red, int32_t green, int32_t blue) override
    {
        painter_->SetSelectionColor(red, green, blue);
    }
    COLORREF GetBackgroundColor() override { return painter_->GetBackgroundColor(); }
    uint8_t GetBackgroundRed() override { return painter_->GetBackgroundRed(); }
    uint8_t GetBackgroundGreen() override { return painter_->GetBackgroundGreen(); }
    uint8_t GetBackgroundBlue() override { return painter_->GetBackgroundBlue(); }
    void SetBackgroundColor(int32_t red, int32_t green, int32_t blue) override
    {
        painter_->SetBackgroundColor(red, green, blue);
    }
    void ApplyToFonts(s::gui::IFont* normal, s::gui::IFont* selected) override
    {
        painter_->ApplyToFonts(normal, selected);
    }
    s::gui::IFontSetting* GetTextFontSetting() override { return painter_->GetTextFontSetting(); }
    s::gui::IFontSetting* GetSelectedTextFontSetting() override { return painter_->GetSelectedTextFontSetting(); }
    void SetTextColor(int32_t red, int32_t green, int32_t blue) override { painter_->SetTextColor(red, green, blue); }
    void SetSelectedTextColor(int32_t red, int32_t green, int32_t blue) override
    {
        painter_->SetSelectedTextColor(red, green, blue);
    }
    uint8_t GetAlternateRed() override { return painter_->GetAlternateRed(); }
    uint8_t GetAlternateGreen() override { return painter_->GetAlternateGreen(); }
    uint8_t GetAlternateBlue() override { return painter_->GetAlternateBlue(); }
    COLORREF GetAlternateColor() override { return painter_->GetAlternateColor(); }
    void SetAlternateColor(int32_t red, int32_t green, int32_t blue) override
    {
        painter_->SetAlternateColor(red, green, blue);
    }

private:
    s::gui::drawer::IListBox* painter_;
    std::mutex lock_;
    std::vector<DrawCall> calls_;
};

} // namespace listtest
