#include "storage/archive/dll/DialogTemplateText.h"

#include "core/str/StrBuffer.h"
#include "storage/archive/dll/ResourceReader.h"

namespace s {
namespace archive {
namespace dll {

namespace {

using str::strbuffer::StrBuffer;

const wchar_t kLineEnd[] = L"\r\n";
const wchar_t kDialogUnit[] = L" (dialog unit)\r\n";

const uint16_t kExtendedVersion = 1;
const uint16_t kExtendedSignature = 0xFFFF;
// A menu, class or text field that holds a number instead of a text.
const uint16_t kOrdinalMark = 0xFFFF;

const uint32_t kStandardHeaderBytes = 18;
const uint32_t kExtendedHeaderBytes = 26;
const uint32_t kStandardItemBytes = 18;
const uint32_t kExtendedItemBytes = 24;
// The point size and the typeface's terminator; the extended template adds weight (2), italic
// (1) and character set (1) before the typeface.
const uint32_t kStandardFontBytes = 4;
const uint32_t kExtendedFontBytes = 6;
const uint32_t kItemAlignment = 4;
const uint32_t kSetFont = 0x40;
const uint8_t kItalic = 1;

struct StyleName {
    uint32_t bits;
    const wchar_t* name;
};

// One list for dialogs and controls, so a control's own low-word style bits show under the
// dialog names that share their values. Names of value 0 show for every style.
const StyleName kStyleNames[] = {
    {0x800000, L"WS_BORDER\r\n"},       {0xC00000, L"WS_CAPTION\r\n"},     {0x40000000, L"WS_CHILD\r\n"},
    {0x40000000, L"WS_CHILDWINDOW\r\n"}, {0x2000000, L"WS_CLIPCHILDREN\r\n"}, {0x4000000, L"WS_CLIPSIBLINGS\r\n"},
    {0x8000000, L"WS_DISABLED\r\n"},    {0x400000, L"WS_DLGFRAME\r\n"},    {0x20000, L"WS_GROUP\r\n"},
    {0x100000, L"WS_HSCROLL\r\n"},      {0x20000000, L"WS_ICONIC\r\n"},    {0x1000000, L"WS_MAXIMIZE\r\n"},
    {0x10000, L"WS_MAXIMIZEBOX\r\n"},   {0x20000000, L"WS_MINIMIZE\r\n"},  {0x20000, L"WS_MINIMIZEBOX\r\n"},
    {0, L"WS_OVERLAPPED\r\n"},          {0x80000000, L"WS_POPUP\r\n"},     {0x40000, L"WS_SIZEBOX\r\n"},
    {0x80000, L"WS_SYSMENU\r\n"},       {0x10000, L"WS_TABSTOP\r\n"},      {0x40000, L"WS_THICKFRAME\r\n"},
    {0, L"WS_TILED\r\n"},               {0x10000000, L"WS_VISIBLE\r\n"},   {0x200000, L"WS_VSCROLL\r\n"},
    {0x0004, L"DS_3DLOOK\r\n"},         {0x0001, L"DS_ABSALIGN\r\n"},      {0x0800, L"DS_CENTER\r\n"},
    {0x1000, L"DS_CENTERMOUSE\r\n"},    {0x2000, L"DS_CONTEXTHELP\r\n"},   {0x0400, L"DS_CONTROL\r\n"},
    {0x0008, L"DS_FIXEDSYS\r\n"},       {0x0020, L"DS_LOCALEDIT\r\n"},     {0x0080, L"DS_MODALFRAME\r\n"},
    {0x0010, L"DS_NOFAILCREATE\r\n"},   {0x0100, L"DS_NOIDLEMSG\r\n"},     {0x0040, L"DS_SETFONT\r\n"},
    {0x0200, L"DS_SETFOREGROUND\r\n"},  {0x0048, L"DS_SHELLFONT\r\n"},     {0x0002, L"DS_SYSMODAL\r\n"},
};

const StyleName kExtendedStyleNames[] = {
    {0x0010, L"WS_EX_ACCEPTFILES\r\n"},      {0x40000, L"WS_EX_APPWINDOW\r\n"},
    {0x0200, L"WS_EX_CLIENTEDGE\r\n"},       {0x2000000, L"WS_EX_COMPOSITED\r\n"},
    {0x0400, L"WS_EX_CONTEXTHELP\r\n"},      {0x10000, L"WS_EX_CONTROLPARENT\r\n"},
    {0x0001, L"WS_EX_DLGMODALFRAME\r\n"},    {0x80000, L"WS_EX_LAYERED\r\n"},
    {0x400000, L"WS_EX_LAYOUTRTL\r\n"},      {0, L"WS_EX_LEFT\r\n"},
    {0x4000, L"WS_EX_LEFTSCROLLBAR\r\n"},    {0, L"WS_EX_LTRREADING\r\n"},
    {0x0040, L"WS_EX_MDICHILD\r\n"},         {0x8000000, L"WS_EX_NOACTIVATE\r\n"},
    {0x100000, L"WS_EX_NOINHERITLAYOUT\r\n"}, {0x0004, L"WS_EX_NOPARENTNOTIFY\r\n"},
    {0x1000, L"WS_EX_RIGHT\r\n"},            {0, L"WS_EX_RIGHTSCROLLBAR\r\n"},
    {0x2000, L"WS_EX_RTLREADING\r\n"},       {0x20000, L"WS_EX_STATICEDGE\r\n"},
    {0x0080, L"WS_EX_TOOLWINDOW\r\n"},       {0x0008, L"WS_EX_TOPMOST\r\n"},
    {0x0020, L"WS_EX_TRANSPARENT\r\n"},      {0x0100, L"WS_EX_WINDOWEDGE\r\n"},
};

struct ClassAtom {
    uint16_t atom;
    const wchar_t* name;
};

const ClassAtom kClassAtoms[] = {
    {128, L"Button"}, {129, L"Edit"}, {130, L"Static"}, {131, L"List box"}, {132, L"Scroll bar"}, {133, L"Combo box"},
};

using Reader = ResourceReader;

enum class FieldKind { Missing, Absent, Number, Text };

// A menu, class or text field: a 0 word (absent), 0xFFFF and a number, or a text. Missing when
// its bytes are not there, also for a number mark whose number is cut off.
struct Field {
    FieldKind kind = FieldKind::Missing;
    uint16_t number = 0;
    uint64_t textAt = 0;
    uint32_t textLength = 0;
};

// A text field that is only ever a text (the title, the typeface).
Field ReadText(Reader& reader)
{
    Field field;
    if (!reader.Has(2))
        return field;
    field.textAt = reader.Position();
    field.textLength = reader.SkipText();
    field.kind = field.textLength == 0 ? FieldKind::Absent : FieldKind::Text;
    return field;
}

Field ReadField(Reader& reader)
{
    Field field;
    if (!reader.Has(2))
        return field;
    const uint16_t first = reader.WordAt(reader.Position());
    if (first == 0) {
        reader.Skip(2);
        field.kind = FieldKind::Absent;
    } else if (first == kOrdinalMark) {
        if (!reader.Has(4)) {
            reader.Skip(2);
            return field;
        }
        reader.Skip(2);
        field.number = reader.Word();
        field.kind = FieldKind::Number;
    } else {
        field.textAt = reader.Position();
        field.textLength = reader.SkipText();
        field.kind = FieldKind::Text;
    }
    return field;
}

void AppendFieldText(StrBuffer* out, const Reader& reader, const Field& field)
{
    for (uint32_t i = 0; i < field.textLength; ++i)
        out->AppendChar(static_cast<wchar_t>(reader.WordAt(field.textAt + 2 * static_cast<uint64_t>(i))));
}

void AppendClass(StrBuffer* out, const Reader& reader, const Field& field)
{
    if (field.kind != FieldKind::Number && field.kind != FieldKind::Text)
        return;
    out->Append(L"Class ID: ");
    if (field.kind == FieldKind::Text) {
        AppendFieldText(out, reader, field);
    } else {
        const wchar_t* name = nullptr;
        for (const ClassAtom& atom : kClassAtoms) {
            if (atom.atom == field.number)
                name = atom.name;
        }
        if (name)
            out->Append(name);
        else
            out->AppendUInt16(field.number);
    }
    out->Append(kLineEnd);
}

void AppendStyleNames(StrBuffer* out, uint32_t style, const StyleName* names, uint32_t count)
{
    for (uint32_t i = 0; i < count; ++i) {
        if ((style & names[i].bits) == names[i].bits)
            out->Append(names[i].name);
    }
}

struct Frame {
    uint32_t style;
    uint32_t extendedStyle;
    int16_t x;
    int16_t y;
    int16_t width;
    int16_t height;
};

// The position and size lines, then both style lists: the tail of the dialog and of each control.
void AppendFrame(StrBuffer* out, const Frame& frame)
{
    out->Append(L"\r\nX: ")->AppendInt16(frame.x)->Append(kDialogUnit);
    out->Append(L"Y: ")->AppendInt16(frame.y)->Append(kDialogUnit);
    out->Append(L"Width: ")->AppendInt16(frame.width)->Append(kDialogUnit);
    out->Append(L"Height: ")->AppendInt16(frame.height)->Append(kDialogUnit);
    out->Append(L"\r\nStyles:\r\n");
    AppendStyleNames(out, frame.style, kStyleNames, sizeof kStyleNames / sizeof kStyleNames[0]);
    out->Append(L"\r\nExtended Styles:\r\n");
    AppendStyleNames(out, frame.extendedStyle, kExtendedStyleNames,
                     sizeof kExtendedStyleNames / sizeof kExtendedStyleNames[0]);
}

void ReadPlace(Reader& reader, Frame* frame)
{
    frame->x = static_cast<int16_t>(reader.Word());
    frame->y = static_cast<int16_t>(reader.Word());
    frame->width = static_cast<int16_t>(reader.Word());
    frame->height = static_cast<int16_t>(reader.Word());
}

void AppendFont(StrBuffer* out, Reader& reader, bool extended)
{
    if (!reader.Has(extended ? kExtendedFontBytes : kStandardFontBytes))
        return;
    const uint16_t points = reader.Word();
    uint16_t weight = 0;
    uint8_t italic = 0;
    uint8_t characterSet = 0;
    if (extended) {
        weight = reader.Word();
        italic = reader.Byte();
        characterSet = reader.Byte();
    }
    const Field typeface = ReadText(reader);
    out->Append(L"Font Name: ");
    AppendFieldText(out, reader, typeface);
    out->Append(kLineEnd);
    out->Append(L"Font Size: ")->AppendUInt16(points)->Append(L" point\r\n");
    if (!extended)
        return;
    out->Append(L"Font Weight: ")->AppendUInt16(weight)->Append(kLineEnd);
    out->Append(L"Font Italic: ")->Append(italic == kItalic ? L"true" : L"false")->Append(kLineEnd);
    out->Append(L"Font Character Set: ")->AppendUInt8(characterSet)->Append(kLineEnd);
}

// The header and its fields; returns the number of controls.
uint16_t AppendDialog(StrBuffer* out, Reader& reader, bool extended)
{
    Frame frame;
    uint32_t helpId = 0;
    if (extended) {
        reader.Skip(4);
        helpId = reader.DoubleWord();
        frame.extendedStyle = reader.DoubleWord();
        frame.style = reader.DoubleWord();
    } else {
        frame.style = reader.DoubleWord();
        frame.extendedStyle = reader.DoubleWord();
    }
    const uint16_t controls = reader.Word();
    ReadPlace(reader, &frame);

    out->Append(L"[Dialog]\r\n");
    const Field menu = ReadField(reader);
    AppendClass(out, reader, ReadField(reader));
    out->Append(L"Title: ");
    const Field title = ReadText(reader);
    if (title.kind == FieldKind::Absent)
        out->Append(L"(None)");
    AppendFieldText(out, reader, title);
    out->Append(kLineEnd);
    if (extended)
        out->Append(L"Help ID: ")->AppendInt32(static_cast<int32_t>(helpId))->Append(kLineEnd);
    if (menu.kind == FieldKind::Number || menu.kind == FieldKind::Text) {
        out->Append(L"Menu Resource ID: ");
        if (menu.kind == FieldKind::Number)
            out->AppendUInt16(menu.number);
        AppendFieldText(out, reader, menu);
        out->Append(kLineEnd);
    }
    if (frame.style & kSetFont)
        AppendFont(out, reader, extended);
    AppendFrame(out, frame);
    return controls;
}

// One control from the reader's position, which stands after the previous one. False when its
// header does not fit in the bytes, which ends the controls.
bool AppendControl(StrBuffer* out, Reader& reader, bool extended, uint32_t number)
{
    reader.Align(kItemAlignment);
    if (!reader.Has(extended ? kExtendedItemBytes : kStandardItemBytes))
        return false;
    Frame frame;
    uint32_t helpId = 0;
    uint32_t id = 0;
    if (extended) {
        helpId = reader.DoubleWord();
        frame.extendedStyle = reader.DoubleWord();
        frame.style = reader.DoubleWord();
        ReadPlace(reader, &frame);
        id = reader.DoubleWord();
    } else {
        frame.style = reader.DoubleWord();
        frame.extendedStyle = reader.DoubleWord();
        ReadPlace(reader, &frame);
        id = reader.Word();
    }

    out->Append(L"\r\n\r\n[Component ")->AppendUInt32(number)->Append(L"]\r\n");
    AppendClass(out, reader, ReadField(reader));
    const Field text = ReadField(reader);
    if (text.kind == FieldKind::Number) {
        out->Append(L"Resource ID: ")->AppendUInt16(text.number)->Append(kLineEnd);
    } else if (text.kind == FieldKind::Text) {
        out->Append(L"Text: ");
        AppendFieldText(out, reader, text);
        out->Append(kLineEnd);
    }
    out->Append(L"Control ID: ");
    if (extended)
        out->AppendInt32(static_cast<int32_t>(id));
    else
        out->AppendUInt32(id);
    out->Append(kLineEnd);
    if (extended)
        out->Append(L"Help ID: ")->AppendInt32(static_cast<int32_t>(helpId))->Append(kLineEnd);
    if (reader.Has(2)) {
        const uint16_t creationBytes = reader.Word();
        reader.Skip(creationBytes);
    }
    AppendFrame(out, frame);
    return true;
}

} // namespace

StrBuffer* DialogTemplateText(const uint8_t* bytes, uint32_t count, StrBuffer* target, bool append)
{
    StrBuffer* out = StrBuffer::PrepareTarget(target, append);
    if (!out || !bytes)
        return out;
    Reader reader(bytes, count);
    bool extended = false;
    if (count >= kExtendedHeaderBytes && reader.WordAt(2) == kExtendedSignature)
        extended = reader.WordAt(0) == kExtendedVersion;
    if (count < kStandardHeaderBytes || (reader.WordAt(2) == kExtendedSignature && !extended))
        return out;

    const uint16_t controls = AppendDialog(out, reader, extended);
    for (uint32_t i = 1; i <= controls; ++i) {
        if (!AppendControl(out, reader, extended, i))
            break;
    }
    return out;
}

} // namespace dll
} // namespace archive
} // namespace s
