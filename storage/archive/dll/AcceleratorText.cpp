#include "storage/archive/dll/AcceleratorText.h"

#include "core/str/StrBuffer.h"
#include "storage/archive/dll/ResourceReader.h"

namespace s {
namespace archive {
namespace dll {

using str::strbuffer::StrBuffer;

namespace {

const uint32_t kRecordBytes = 8;
const uint16_t kVirtualKey = 0x01;
const uint16_t kShift = 0x04;
const uint16_t kControl = 0x08;
const uint16_t kAlt = 0x10;

struct KeyName {
    uint16_t key;
    const wchar_t* name;
};

// The codes outside the digit, letter, keypad-digit and function-key runs.
const KeyName kKeyNames[] = {
    {1, L"Left mouse button"},
    {2, L"Right mouse button"},
    {3, L"Control-break processing"},
    {4, L"Middle mouse button (three-button mouse)"},
    {5, L"X1 mouse button"},
    {6, L"X2 mouse button"},
    {8, L"BACKSPACE key"},
    {9, L"TAB key"},
    {12, L"CLEAR key"},
    {13, L"ENTER key"},
    {16, L"SHIFT key"},
    {17, L"CTRL key"},
    {18, L"ALT key"},
    {19, L"PAUSE key"},
    {20, L"CAPS LOCK key"},
    {21, L"IME Kana mode"},
    {23, L"IME Junja mode"},
    {24, L"IME final mode"},
    {25, L"IME Hanja mode"},
    {27, L"ESC key"},
    {28, L"IME convert"},
    {29, L"IME nonconvert"},
    {30, L"IME accept"},
    {31, L"IME mode change request"},
    {32, L"SPACEBAR"},
    {33, L"PAGE UP key"},
    {34, L"PAGE DOWN key"},
    {35, L"END key"},
    {36, L"HOME key"},
    {37, L"LEFT ARROW key"},
    {38, L"UP ARROW key"},
    {39, L"RIGHT ARROW key"},
    {40, L"DOWN ARROW key"},
    {41, L"SELECT key"},
    {42, L"PRINT key"},
    {43, L"EXECUTE key"},
    {44, L"PRINT SCREEN key"},
    {45, L"INS key"},
    {46, L"DEL key"},
    {47, L"HELP key"},
    {91, L"Left Windows key"},
    {92, L"Right Windows key"},
    {93, L"Applications key"},
    {95, L"Computer Sleep key"},
    {106, L"Multiply key"},
    {107, L"Add key"},
    {108, L"Separator key"},
    {109, L"Subtract key"},
    {110, L"Decimal key"},
    {111, L"Divide key"},
    {144, L"NUM LOCK key"},
    {145, L"SCROLL LOCK key"},
    {160, L"Left SHIFT key"},
    {161, L"Right SHIFT key"},
    {162, L"Left CONTROL key"},
    {163, L"Right CONTROL key"},
    {164, L"Left MENU key"},
    {165, L"Right MENU key"},
    {166, L"Browser Back key"},
    {167, L"Browser Forward key"},
    {168, L"Browser Refresh key"},
    {169, L"Browser Stop key"},
    {170, L"Browser Search key"},
    {171, L"Browser Favorites key"},
    {172, L"Browser Start and Home key"},
    {173, L"Volume Mute key"},
    {174, L"Volume Down key"},
    {175, L"Volume Up key"},
    {176, L"Next Track key"},
    {177, L"Previous Track key"},
    {178, L"Stop Media key"},
    {179, L"Play/Pause Media key"},
    {180, L"Start Mail key"},
    {181, L"Select Media key"},
    {182, L"Start Application 1 key"},
    {183, L"Start Application 2 key"},
    {186, L"VK_OEM_1 key (Used for miscellaneous characters; it can vary by keyboard. For the US standard "
          L"keyboard, the ';:' key)"},
    {187, L"'+' key"},
    {188, L"',' key"},
    {189, L"'-' key"},
    {190, L"'.' key"},
    {191, L"VK_OEM_2 key (Used for miscellaneous characters; it can vary by keyboard. For the US standard "
          L"keyboard, the '/?' key)"},
    {192, L"VK_OEM_3 key (Used for miscellaneous characters; it can vary by keyboard. For the US standard "
          L"keyboard, the '`~' key)"},
    {219, L"VK_OEM_4 key (Used for miscellaneous characters; it can vary by keyboard. For the US standard "
          L"keyboard, the '[{' key)"},
    {220, L"VK_OEM_5 key (Used for miscellaneous characters; it can vary by keyboard. For the US standard "
          L"keyboard, the '\\|' key)"},
    {221, L"VK_OEM_6 key (Used for miscellaneous characters; it can vary by keyboard. For the US standard "
          L"keyboard, the ']}' key)"},
    {222, L"VK_OEM_7 key (Used for miscellaneous characters; it can vary by keyboard. For the US standard "
          L"keyboard, the 'single-quote/double-quote' key)"},
    {223, L"VK_OEM_8 key (Used for miscellaneous characters; it can vary by keyboard.)"},
    {226, L"Either the angle bracket key or the backslash key on the RT 102-key keyboard"},
    {229, L"IME PROCESS key"},
    {231, L"Used to pass Unicode characters as if they were keystrokes. The VK_PACKET key is the low word of a "
          L"32-bit Virtual Key value used for non-keyboard input methods. For more information, see Remark in "
          L"KEYBDINPUT, SendInput, WM_KEYDOWN, and WM_KEYUP"},
    {246, L"Attn key"},
    {247, L"CrSel key"},
    {248, L"ExSel key"},
    {249, L"Erase EOF key"},
    {250, L"Play key"},
    {251, L"Zoom key"},
    {253, L"PA1 key"},
    {254, L"Clear key"},
};

// A run of codes named by one pattern: prefix, the character or number, " key".
struct KeyRun {
    uint16_t first;
    uint16_t last;
    const wchar_t* prefix;
    // The first code's character, or 0 where the run is numbered from 1.
    wchar_t firstChar;
};

const KeyRun kKeyRuns[] = {
    {48, 57, L"", L'0'},
    {65, 90, L"", L'A'},
    {96, 105, L"Numeric keypad ", L'0'},
    {112, 135, L"F", 0},
};

} // namespace

StrBuffer* AppendVirtualKeyName(StrBuffer* out, uint16_t key)
{
    for (const KeyRun& run : kKeyRuns) {
        if (key < run.first || key > run.last)
            continue;
        out->Append(run.prefix);
        if (run.firstChar)
            out->AppendChar(static_cast<wchar_t>(run.firstChar + (key - run.first)));
        else
            out->AppendUInt16(static_cast<uint16_t>(key - run.first + 1));
        return out->Append(L" key");
    }
    for (const KeyName& name : kKeyNames) {
        if (name.key == key)
            return out->Append(name.name);
    }
    return out->Append(L"Unknown key");
}

StrBuffer* AcceleratorText(const uint8_t* bytes, uint32_t count, StrBuffer* target, bool append)
{
    StrBuffer* out = StrBuffer::PrepareTarget(target, append);
    if (!out || !bytes)
        return out;
    ResourceReader reader(bytes, count);
    while (reader.Has(kRecordBytes)) {
        const uint16_t flags = reader.Word();
        const uint16_t key = reader.Word();
        const uint16_t command = reader.Word();
        reader.Skip(2);
        out->Append(L"Key: ");
        if (flags & kAlt)
            out->Append(L"Alt + ");
        if (flags & kControl)
            out->Append(L"Ctrl + ");
        if (flags & kShift)
            out->Append(L"Shift + ");
        if (flags & kVirtualKey) {
            AppendVirtualKeyName(out, key);
        } else {
            out->AppendChar(static_cast<wchar_t>(key));
            out->Append(L" key");
        }
        out->Append(L"\r\nAction ID: ")->AppendUInt16(command)->Append(L"\r\n\r\n");
    }
    return out;
}

} // namespace dll
} // namespace archive
} // namespace s
