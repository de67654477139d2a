// fakepage.exe --log FILE [--rect X,Y,W,H]: a stand-in for an Internet
// Explorer page. Its child window of class "Internet Explorer_Server"
// answers the registered message "WM_HTML_GETOBJECT" with a small document
// object of its own (LresultFromObject), so another process reaches it
// through COM exactly as it reaches a real page: an ordinary page ("BODY")
// 5000 px tall, shown 400 px high and scrolled 100 px down. It logs
//   "ready top=<decimal> child=<decimal>" once its windows exist,
//   "getobject" for every document request,
//   "scrollBy <dx> <dy> top=<scroll top after>" for every scroll.
#define CINTERFACE
#include <windows.h>
#include <mshtml.h>
#include <oleacc.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <utility>

namespace {

const char* g_log = nullptr;
LONG g_scrollTop = 100;
constexpr LONG kViewHeight = 400, kViewWidth = 480, kScrollHeight = 5000;

void Log(const char* format, ...) {
    FILE* f = g_log ? std::fopen(g_log, "a") : nullptr;
    if (!f) return;
    va_list args;
    va_start(args, format);
    std::vfprintf(f, format, args);
    va_end(args);
    std::fputc('\n', f);
    std::fclose(f);
}

// The page's objects live as long as the program: reference counts are not kept.
struct Document {
    IHTMLDocument2 doc2;
    IHTMLDocument3 doc3;
} g_document;
struct Element {
    IHTMLElement e1;
    IHTMLElement2 e2;
    const wchar_t* tag;
} g_body, g_root;
IHTMLWindow2 g_window;

void* Answer(REFIID riid, void* unknown, std::initializer_list<std::pair<const IID*, void*>> more) {
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch)) return unknown;
    for (auto& [iid, p] : more)
        if (IsEqualIID(riid, *iid)) return p;
    return nullptr;
}
HRESULT Give(void* p, void** out) {
    *out = p;
    return p ? S_OK : E_NOINTERFACE;
}
Element* ElementOf(void* p) { return p == &g_body.e1 || p == &g_body.e2 ? &g_body : &g_root; }

template <typename I>
ULONG STDMETHODCALLTYPE AddRef(I*) {
    return 2;
}
template <typename I>
ULONG STDMETHODCALLTYPE Release(I*) {
    return 1;
}
template <typename I>
HRESULT STDMETHODCALLTYPE TypeInfoCount(I*, UINT* n) {
    *n = 0;
    return S_OK;
}
template <typename I>
HRESULT STDMETHODCALLTYPE TypeInfo(I*, UINT, LCID, ITypeInfo**) {
    return E_NOTIMPL;
}
template <typename I>
HRESULT STDMETHODCALLTYPE IdsOfNames(I*, REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
    return E_NOTIMPL;
}
template <typename I>
HRESULT STDMETHODCALLTYPE Invoke(I*, DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) {
    return E_NOTIMPL;
}
template <typename V, typename I>
void Dispatch(V& v) {
    v.AddRef = AddRef<I>;
    v.Release = Release<I>;
    v.GetTypeInfoCount = TypeInfoCount<I>;
    v.GetTypeInfo = TypeInfo<I>;
    v.GetIDsOfNames = IdsOfNames<I>;
    v.Invoke = Invoke<I>;
}

HRESULT STDMETHODCALLTYPE DocQI(IHTMLDocument2*, REFIID riid, void** out) {
    return Give(Answer(riid, &g_document.doc2,
                       {{&IID_IHTMLDocument, &g_document.doc2},
                        {&IID_IHTMLDocument2, &g_document.doc2},
                        {&IID_IHTMLDocument3, &g_document.doc3}}),
                out);
}
HRESULT STDMETHODCALLTYPE Doc3QI(IHTMLDocument3*, REFIID riid, void** out) {
    return DocQI(&g_document.doc2, riid, out);
}
HRESULT STDMETHODCALLTYPE DocBody(IHTMLDocument2*, IHTMLElement** out) {
    *out = &g_body.e1;
    return S_OK;
}
HRESULT STDMETHODCALLTYPE DocWindow(IHTMLDocument2*, IHTMLWindow2** out) {
    *out = &g_window;
    return S_OK;
}
HRESULT STDMETHODCALLTYPE DocRoot(IHTMLDocument3*, IHTMLElement** out) {
    *out = &g_root.e1;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE ElemQI(IHTMLElement* self, REFIID riid, void** out) {
    Element* e = ElementOf(self);
    return Give(Answer(riid, &e->e1, {{&IID_IHTMLElement, &e->e1}, {&IID_IHTMLElement2, &e->e2}}), out);
}
HRESULT STDMETHODCALLTYPE Elem2QI(IHTMLElement2* self, REFIID riid, void** out) {
    return ElemQI(&ElementOf(self)->e1, riid, out);
}
HRESULT STDMETHODCALLTYPE ElemTag(IHTMLElement* self, BSTR* out) {
    *out = SysAllocString(ElementOf(self)->tag);
    return S_OK;
}
HRESULT STDMETHODCALLTYPE ElemHeight(IHTMLElement*, LONG* v) {
    *v = kViewHeight;
    return S_OK;
}
HRESULT STDMETHODCALLTYPE ElemWidth(IHTMLElement*, LONG* v) {
    *v = kViewWidth;
    return S_OK;
}
// The scroll position sits on the document element; the body reports 0.
HRESULT STDMETHODCALLTYPE ElemTop(IHTMLElement2* self, LONG* v) {
    *v = ElementOf(self) == &g_root ? g_scrollTop : 0;
    return S_OK;
}
HRESULT STDMETHODCALLTYPE ElemScrollHeight(IHTMLElement2*, LONG* v) {
    *v = kScrollHeight;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE WinQI(IHTMLWindow2*, REFIID riid, void** out) {
    return Give(Answer(riid, &g_window, {{&IID_IHTMLFramesCollection2, &g_window}, {&IID_IHTMLWindow2, &g_window}}),
                out);
}
HRESULT STDMETHODCALLTYPE WinDocument(IHTMLWindow2*, IHTMLDocument2** out) {
    *out = &g_document.doc2;
    return S_OK;
}
HRESULT STDMETHODCALLTYPE WinScrollBy(IHTMLWindow2*, LONG dx, LONG dy) {
    g_scrollTop += dy;
    if (g_scrollTop < 0) g_scrollTop = 0;
    Log("scrollBy %ld %ld top=%ld", static_cast<long>(dx), static_cast<long>(dy), static_cast<long>(g_scrollTop));
    return S_OK;
}

IHTMLDocument2Vtbl g_doc2Vtbl;
IHTMLDocument3Vtbl g_doc3Vtbl;
IHTMLElementVtbl g_elemVtbl;
IHTMLElement2Vtbl g_elem2Vtbl;
IHTMLWindow2Vtbl g_windowVtbl;

void BuildPage() {
    Dispatch<IHTMLDocument2Vtbl, IHTMLDocument2>(g_doc2Vtbl);
    g_doc2Vtbl.QueryInterface = DocQI;
    g_doc2Vtbl.get_body = DocBody;
    g_doc2Vtbl.get_parentWindow = DocWindow;
    Dispatch<IHTMLDocument3Vtbl, IHTMLDocument3>(g_doc3Vtbl);
    g_doc3Vtbl.QueryInterface = Doc3QI;
    g_doc3Vtbl.get_documentElement = DocRoot;
    Dispatch<IHTMLElementVtbl, IHTMLElement>(g_elemVtbl);
    g_elemVtbl.QueryInterface = ElemQI;
    g_elemVtbl.get_tagName = ElemTag;
    g_elemVtbl.get_offsetHeight = ElemHeight;
    g_elemVtbl.get_offsetWidth = ElemWidth;
    Dispatch<IHTMLElement2Vtbl, IHTMLElement2>(g_elem2Vtbl);
    g_elem2Vtbl.QueryInterface = Elem2QI;
    g_elem2Vtbl.get_scrollTop = ElemTop;
    g_elem2Vtbl.get_scrollHeight = ElemScrollHeight;
    Dispatch<IHTMLWindow2Vtbl, IHTMLWindow2>(g_windowVtbl);
    g_windowVtbl.QueryInterface = WinQI;
    g_windowVtbl.get_document = WinDocument;
    g_windowVtbl.scrollBy = WinScrollBy;

    g_document.doc2.lpVtbl = &g_doc2Vtbl;
    g_document.doc3.lpVtbl = &g_doc3Vtbl;
    for (Element* e : {&g_body, &g_root}) {
        e->e1.lpVtbl = &g_elemVtbl;
        e->e2.lpVtbl = &g_elem2Vtbl;
    }
    g_body.tag = L"BODY";
    g_root.tag = L"HTML";
    g_window.lpVtbl = &g_windowVtbl;
}

UINT g_getObject = 0;

LRESULT CALLBACK PageProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == g_getObject && g_getObject) {
        Log("getobject");
        return LresultFromObject(IID_IHTMLDocument2, wp, reinterpret_cast<IUnknown*>(&g_document.doc2));
    }
    return DefWindowProcA(w, m, wp, lp);
}
LRESULT CALLBACK TopProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcA(w, m, wp, lp);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    int x = 100, y = 100, cx = 500, cy = 400;
    for (int i = 1; i + 1 < __argc; ++i) {
        if (!std::strcmp(__argv[i], "--log"))
            g_log = __argv[++i];
        else if (!std::strcmp(__argv[i], "--rect"))
            std::sscanf(__argv[++i], "%d,%d,%d,%d", &x, &y, &cx, &cy);
    }
    if (FAILED(CoInitialize(nullptr))) return 1;
    BuildPage();
    g_getObject = RegisterWindowMessageA("WM_HTML_GETOBJECT");
    WNDCLASSA wc{};
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpfnWndProc = TopProc;
    wc.lpszClassName = "QuorvelFakeBrowser";
    RegisterClassA(&wc);
    wc.lpfnWndProc = PageProc;
    wc.lpszClassName = "Internet Explorer_Server";
    RegisterClassA(&wc);
    HWND top = CreateWindowExA(0, "QuorvelFakeBrowser", "Fake page", WS_OVERLAPPEDWINDOW, x, y, cx, cy, nullptr,
                               nullptr, instance, nullptr);
    RECT client;
    GetClientRect(top, &client);
    HWND page = CreateWindowExA(0, "Internet Explorer_Server", "", WS_CHILD | WS_VISIBLE, 0, 0, client.right,
                                client.bottom, top, nullptr, instance, nullptr);
    ShowWindow(top, SW_SHOWNORMAL);
    SetForegroundWindow(top);
    Log("ready top=%lu child=%lu", static_cast<unsigned long>(reinterpret_cast<uintptr_t>(top)),
        static_cast<unsigned long>(reinterpret_cast<uintptr_t>(page)));
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    CoUninitialize();
    return 0;
}
