#include "support/BoxRecorder.h"

#include <mutex>

#include "mfc/AppMessageBox.h"

namespace testing_support {

namespace {

std::mutex recordLock;
std::vector<RecordedBox> recorded;
int answer = 0;

int DecliningAnswer(UINT type)
{
    switch (type & MB_TYPEMASK) {
    case MB_YESNO:
        return IDNO;
    case MB_OKCANCEL:
    case MB_YESNOCANCEL:
    case MB_RETRYCANCEL:
        return IDCANCEL;
    default:
        return IDOK;
    }
}

int RecordBox(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type)
{
    std::lock_guard<std::mutex> hold(recordLock);
    recorded.push_back(RecordedBox{owner, text ? text : L"", caption ? caption : L"", type, GetCurrentThreadId()});
    return answer ? answer : DecliningAnswer(type);
}

} // namespace

void BoxRecorder::Install()
{
    AfxSetMessageBoxHandler(&RecordBox);
}

std::vector<RecordedBox> BoxRecorder::Take()
{
    std::lock_guard<std::mutex> hold(recordLock);
    std::vector<RecordedBox> boxes;
    boxes.swap(recorded);
    return boxes;
}

void BoxRecorder::SetAnswer(int newAnswer)
{
    std::lock_guard<std::mutex> hold(recordLock);
    answer = newAnswer;
}

} // namespace testing_support
