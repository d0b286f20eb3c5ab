#include "AccessibleNames.h"

#include "LateBinding.h"
#include "Utf16.h"

#include <oleacc.h>

#include <optional>
#include <string>

namespace win32 {

namespace {

constexpr wchar_t annotationProperty[] = L"BrintamoAccessible";

struct Annotation {
    WNDPROC original;
    std::wstring name;
    std::wstring description;
    LONG role;
};

// The role a screen reader announces: the standard object knows none for a picture box of the
// program's own, and Wine none for an owner-drawn button.
LONG roleOf(forms::ControlKind kind) {
    switch (kind) {
    case forms::ControlKind::TextBox:
        return ROLE_SYSTEM_TEXT;
    case forms::ControlKind::CommandButton:
        return ROLE_SYSTEM_PUSHBUTTON;
    case forms::ControlKind::PictureBox:
        return ROLE_SYSTEM_GRAPHIC;
    case forms::ControlKind::Label:
        break;
    }
    return ROLE_SYSTEM_STATICTEXT;
}

// A text the caller frees, as BSTRs are; null when there is no memory for it.
BSTR newBstr(const std::wstring& text) {
    static const auto allocate =
        os::lateBound<decltype(SysAllocString)>(L"oleaut32.dll", "SysAllocString");
    return allocate != nullptr ? allocate(text.c_str()) : nullptr;
}

bool isSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

// OLE on the user-interface thread, begun when a screen reader first asks and ended with the
// program. Where the thread already has COM in another mode, that one serves.
class OleSession {
public:
    OleSession() {
        static const auto begin =
            os::lateBound<decltype(OleInitialize)>(L"ole32.dll", "OleInitialize");
        began_ = begin != nullptr && SUCCEEDED(begin(nullptr));
    }
    ~OleSession() {
        static const auto end =
            os::lateBound<decltype(OleUninitialize)>(L"ole32.dll", "OleUninitialize");
        if (began_ && end != nullptr) {
            end();
        }
    }
    OleSession(const OleSession&) = delete;
    OleSession& operator=(const OleSession&) = delete;

private:
    bool began_ = false;
};

// The child a late-bound call names: its one optional argument, the control itself without it.
std::optional<VARIANT> childArgument(const DISPPARAMS* parameters) {
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    if (parameters == nullptr || parameters->cArgs == 0) {
        return self;
    }
    const VARIANT& given = parameters->rgvarg[0];
    return parameters->cArgs == 1 && given.vt == VT_I4 ? std::optional(given) : std::nullopt;
}

// The standard accessible object with the table's name and description for the control itself;
// its children, if any, keep theirs.
class NamedAccessible final : public IAccessible, public IOleWindow {
public:
    NamedAccessible(IAccessible* standard, HWND control, const Annotation& annotation)
        : standard_(standard), control_(control), name_(annotation.name),
          description_(annotation.description), role_(annotation.role) {}
    NamedAccessible(const NamedAccessible&) = delete;
    NamedAccessible& operator=(const NamedAccessible&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (object == nullptr) {
            return E_POINTER;
        }
        if (IsEqualIID(id, __uuidof(IUnknown)) || IsEqualIID(id, __uuidof(IDispatch)) ||
            IsEqualIID(id, __uuidof(IAccessible))) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        if (IsEqualIID(id, __uuidof(IOleWindow))) { // the window it belongs to
            *object = static_cast<IOleWindow*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) {
            standard_->Release();
            delete this;
        }
        return left;
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        return isSelf(child) ? answer(name_, name) : standard_->get_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        return isSelf(child) ? answer(description_, description)
                             : standard_->get_accDescription(child, description);
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        return standard_->GetTypeInfoCount(count);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
        return standard_->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID id, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override {
        return standard_->GetIDsOfNames(id, names, count, locale, ids);
    }
    // Late-bound clients hear the same name, description and role as early-bound ones.
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID id, LCID locale, WORD flags,
                                     DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                     UINT* argument) override {
        const std::optional<VARIANT> child = childArgument(parameters);
        const bool ownProperty = member == DISPID_ACC_NAME || member == DISPID_ACC_DESCRIPTION ||
                                 member == DISPID_ACC_ROLE;
        if (!ownProperty || (flags & DISPATCH_PROPERTYGET) == 0 || !child || result == nullptr) {
            return standard_->Invoke(member, id, locale, flags, parameters, result, exception,
                                     argument);
        }
        if (member == DISPID_ACC_ROLE) {
            return get_accRole(*child, result);
        }
        BSTR text = nullptr;
        const HRESULT answered = member == DISPID_ACC_NAME ? get_accName(*child, &text)
                                                           : get_accDescription(*child, &text);
        if (SUCCEEDED(answered)) {
            result->vt = VT_BSTR;
            result->bstrVal = text;
        }
        return answered;
    }
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return standard_->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        return standard_->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return standard_->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return standard_->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (!isSelf(child) || role == nullptr) {
            return standard_->get_accRole(child, role);
        }
        role->vt = VT_I4;
        role->lVal = role_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return standard_->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return standard_->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
        return standard_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return standard_->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
        return standard_->get_accFocus(child);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        return standard_->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return standard_->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG how, VARIANT child) override {
        return standard_->accSelect(how, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override {
        return standard_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        return standard_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG left, LONG top, VARIANT* child) override {
        return standard_->accHitTest(left, top, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return standard_->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return standard_->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return standard_->put_accValue(child, value);
    }

    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override {
        if (window == nullptr) {
            return E_POINTER;
        }
        *window = control_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

private:
    ~NamedAccessible() = default;

    static HRESULT answer(const std::wstring& text, BSTR* out) {
        if (out == nullptr) {
            return E_POINTER;
        }
        *out = text.empty() ? nullptr : newBstr(text);
        return text.empty() ? S_FALSE : *out != nullptr ? S_OK : E_OUTOFMEMORY;
    }

    IAccessible* standard_;
    HWND control_;
    std::wstring name_;
    std::wstring description_;
    LONG role_;
    ULONG references_ = 1;
};

LRESULT accessibleObject(HWND control, WPARAM flags, const Annotation& annotation) {
    static const auto createStandard = os::lateBound<decltype(CreateStdAccessibleObject)>(
        L"oleacc.dll", "CreateStdAccessibleObject");
    static const auto toResult =
        os::lateBound<decltype(LresultFromObject)>(L"oleacc.dll", "LresultFromObject");
    static const OleSession ole;
    IAccessible* standard = nullptr;
    if (createStandard == nullptr || toResult == nullptr ||
        createStandard(control, OBJID_CLIENT, __uuidof(IAccessible),
                       reinterpret_cast<void**>(&standard)) != S_OK) {
        return 0;
    }
    auto* named = new NamedAccessible(standard, control, annotation);
    const LRESULT result = toResult(__uuidof(IAccessible), flags, static_cast<IAccessible*>(named));
    named->Release();
    return result;
}

LRESULT CALLBACK annotatedProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto* annotation = static_cast<Annotation*>(GetPropW(control, annotationProperty));
    const WNDPROC original = annotation->original;
    if (message == WM_GETOBJECT && LONG(lParam) == OBJID_CLIENT) {
        // A failure comes as a negative HRESULT; the control's own answer is then the standard one.
        if (const LRESULT result = accessibleObject(control, wParam, *annotation); result > 0) {
            return result;
        }
    } else if (message == WM_NCDESTROY) {
        RemovePropW(control, annotationProperty);
        SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        delete annotation;
    }
    return CallWindowProcW(original, control, message, wParam, lParam);
}

} // namespace

void annotate(HWND control, const forms::AccessibleRow& row, forms::ControlKind kind) {
    auto* annotation =
        new Annotation{reinterpret_cast<WNDPROC>(GetWindowLongPtrW(control, GWLP_WNDPROC)),
                       wide(row.name), wide(row.description), roleOf(kind)};
    if (SetPropW(control, annotationProperty, annotation) == 0) {
        delete annotation; // the control keeps its standard names
        return;
    }
    SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&annotatedProcedure));
}

} // namespace win32
