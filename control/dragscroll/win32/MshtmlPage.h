// The page model read through MSHTML, Internet Explorer's document object
// model. The document of a content window ("Internet Explorer_Server") is
// asked for with the registered message "WM_HTML_GETOBJECT" and unpacked
// with ObjectFromLresult (oleacc). Call on a thread with COM initialised;
// every interface is released by the objects that hold it.
#pragma once

#include <windows.h>

#include <memory>

#include "control/dragscroll/PageModel.h"

namespace quorvel {

// The document shown in the content window, or null (not a browser page,
// a hung browser, no MSHTML).
std::unique_ptr<PageDocument> MshtmlDocumentOf(HWND contentWindow);

}  // namespace quorvel
