#include "MshtmlPage.h"

#include <mshtml.h>

#include <string>

#include "ComRef.h"

namespace quorvel {

namespace {

// A browser that does not answer within this time is left alone.
constexpr UINT DOCUMENT_REQUEST_TIMEOUT_MS = 1000;

// ObjectFromLresult of oleacc.dll, bound at the first use: a system without
// Active Accessibility still runs the program, it only scrolls no pages.
using ObjectFromLresultFn = HRESULT(WINAPI*)(LRESULT, REFIID, WPARAM, void**);
ObjectFromLresultFn BindObjectFromLresult() {
    static const ObjectFromLresultFn bound = [] {
        HMODULE oleacc = LoadLibraryA("oleacc.dll");  // kept for the program's life
        return oleacc ? reinterpret_cast<ObjectFromLresultFn>(
                            reinterpret_cast<void*>(GetProcAddress(oleacc, "ObjectFromLresult")))
                      : nullptr;
    }();
    return bound;
}

class MshtmlFrame : public PageFrame {
public:
    explicit MshtmlFrame(ComRef<IHTMLWindow2> window) : window_(std::move(window)) {}

    bool DocumentElementScrollTop(long& value) override {
        ComRef<IHTMLElement2> element = DocumentElement().As<IHTMLElement2>();
        return element && SUCCEEDED(element->get_scrollTop(&value));
    }
    bool BodyScrollTop(long& value) override {
        ComRef<IHTMLElement2> body = Body().As<IHTMLElement2>();
        return body && SUCCEEDED(body->get_scrollTop(&value));
    }
    bool DocumentHeight(long& value) override {
        ComRef<IHTMLElement> element = DocumentElement();
        return element && SUCCEEDED(element->get_offsetHeight(&value));
    }
    bool DocumentWidth(long& value) override {
        ComRef<IHTMLElement> element = DocumentElement();
        return element && SUCCEEDED(element->get_offsetWidth(&value));
    }
    bool BodyScrollHeight(long& value) override {
        ComRef<IHTMLElement2> body = Body().As<IHTMLElement2>();
        return body && SUCCEEDED(body->get_scrollHeight(&value));
    }
    bool ScrollBy(long dx, long dy) override { return SUCCEEDED(window_->scrollBy(dx, dy)); }
    bool CompatMode(std::string& mode) override {
        ComRef<IHTMLDocument5> document = Document().As<IHTMLDocument5>();
        BstrText text;
        if (!document || FAILED(document->get_compatMode(text.Out()))) return false;
        mode = text.Narrow();
        return true;
    }
    bool DocumentClientHeight(long& value) override {
        ComRef<IHTMLElement2> element = DocumentElement().As<IHTMLElement2>();
        return element && SUCCEEDED(element->get_clientHeight(&value));
    }
    bool DocumentClientWidth(long& value) override {
        ComRef<IHTMLElement2> element = DocumentElement().As<IHTMLElement2>();
        return element && SUCCEEDED(element->get_clientWidth(&value));
    }
    bool DocumentScrollHeight(long& value) override {
        ComRef<IHTMLElement2> element = DocumentElement().As<IHTMLElement2>();
        return element && SUCCEEDED(element->get_scrollHeight(&value));
    }

private:
    // A frame of another site refuses its document: every read then fails.
    ComRef<IHTMLDocument2> Document() {
        ComRef<IHTMLDocument2> document;
        if (FAILED(window_->get_document(document.Out()))) document.Reset();
        return document;
    }
    ComRef<IHTMLElement> DocumentElement() {
        ComRef<IHTMLDocument3> document = Document().As<IHTMLDocument3>();
        ComRef<IHTMLElement> element;
        if (!document || FAILED(document->get_documentElement(element.Out()))) element.Reset();
        return element;
    }
    ComRef<IHTMLElement> Body() {
        ComRef<IHTMLDocument2> document = Document();
        ComRef<IHTMLElement> body;
        if (!document || FAILED(document->get_body(body.Out()))) body.Reset();
        return body;
    }

    ComRef<IHTMLWindow2> window_;
};

std::unique_ptr<PageFrame> FrameOf(ComRef<IHTMLWindow2> window) {
    if (!window) return nullptr;
    return std::make_unique<MshtmlFrame>(std::move(window));
}

class MshtmlDocument : public PageDocument {
public:
    explicit MshtmlDocument(ComRef<IHTMLDocument2> document) : document_(std::move(document)) {}

    bool BodyTagName(std::string& tag) override {
        ComRef<IHTMLElement> body;
        if (FAILED(document_->get_body(body.Out())) || !body) return false;
        BstrText name;
        if (FAILED(body->get_tagName(name.Out()))) return false;
        tag = name.Narrow();
        return true;
    }
    std::unique_ptr<PageFrame> ParentWindow() override {
        ComRef<IHTMLWindow2> window;
        if (FAILED(document_->get_parentWindow(window.Out()))) return nullptr;
        return FrameOf(std::move(window));
    }
    bool FrameCount(long& count) override {
        ComRef<IHTMLFramesCollection2> frames = Frames();
        return frames && SUCCEEDED(frames->get_length(&count));
    }
    std::unique_ptr<PageFrame> Frame(long index) override {
        ComRef<IHTMLFramesCollection2> frames = Frames();
        if (!frames) return nullptr;
        VariantValue which, item;
        which.value.vt = VT_I4;
        which.value.lVal = index;
        if (FAILED(frames->item(&which.value, &item.value)) || item.value.vt != VT_DISPATCH || !item.value.pdispVal) {
            return nullptr;
        }
        return FrameOf(ComRef<IDispatch>::Borrow(item.value.pdispVal).As<IHTMLWindow2>());
    }

private:
    ComRef<IHTMLFramesCollection2> Frames() {
        ComRef<IHTMLFramesCollection2> frames;
        if (FAILED(document_->get_frames(frames.Out()))) frames.Reset();
        return frames;
    }

    ComRef<IHTMLDocument2> document_;
};

}  // namespace

std::unique_ptr<PageDocument> MshtmlDocumentOf(HWND contentWindow) {
    static const UINT getObject = RegisterWindowMessageA("WM_HTML_GETOBJECT");
    DWORD_PTR result = 0;
    if (!getObject || !IsWindow(contentWindow) ||
        !SendMessageTimeoutA(contentWindow, getObject, 0, 0, SMTO_ABORTIFHUNG, DOCUMENT_REQUEST_TIMEOUT_MS, &result) ||
        !result) {
        return nullptr;
    }
    const ObjectFromLresultFn ObjectFromLresult = BindObjectFromLresult();
    ComRef<IHTMLDocument2> document;
    if (!ObjectFromLresult || FAILED(ObjectFromLresult(static_cast<LRESULT>(result), IID_IHTMLDocument2, 0,
                                                       reinterpret_cast<void**>(document.Out())))) {
        return nullptr;
    }
    if (!document) return nullptr;
    return std::make_unique<MshtmlDocument>(std::move(document));
}

}  // namespace quorvel
