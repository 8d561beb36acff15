#pragma once
#include <functional>
#include <map>
#include <vector>

#include "core/LayoutEntries.h"
#include "core/Menu.h"
#include "gui/Controls.h"

namespace fw {

// What a window class of the program builds on. What only the Qt layer
// calls is in Window::Native (gui/Window_p.h).
class Window : public std::enable_shared_from_this<Window> {
 public:
  struct Native;
  // The full class name is the key of the class's implicit instance.
  explicit Window(String fullClassName);
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // Construction events, raised in this order by Constructor.
  virtual void Layout() {}
  virtual void CreateControls() {}
  virtual void AddMenuHandlers(Window& window) { (void)window; }
  virtual void Event_Open() {}
  // True keeps the window open; no window of the system refuses.
  virtual bool Event_CancelClose(bool appQuitting) {
    (void)appQuitting;
    return false;
  }

  // Makes the window its class's implicit instance and raises the
  // construction events; a window marked visible shows when they are done.
  void Constructor();

  void Show();
  // Application-modal: no other window takes input until this one closes.
  // Returns at once; nothing in the system runs after it.
  void ShowModal();
  void Close();
  String Title() const;
  void Title(const String& title);
  Ref<fw::MenuBar> MenuBar() const { return menuBar_; }
  void MenuBar(Ref<fw::MenuBar> bar);
  const String& FullClassName() const { return fullClassName_; }
  bool IsOpen() const { return open_; }

  // A new object of the class for this window: a control is built in it.
  template <class T>
  Ref<T> New() {
    auto object = RuntimeNewObject<T>();
    if constexpr (std::is_base_of_v<fw::Control, T>) {
      object->Attach(weak_from_this());
      object->Constructor();
    }
    return object;
  }
  void AddControl(const String& name, Ref<fw::Control> control);
  // The control registered under the name, as class C: Nil when the window
  // has no control of that name or it is of another class.
  template <class C = fw::Control>
  Ref<C> Control(const String& name) const {
    auto found = controlsByName_.find(name);
    return found == controlsByName_.end() ? nullptr : Cast<C>(found->second);
  }
  const std::vector<Ref<fw::Control>>& Controls() const { return controls_; }

  void AddMenuHandler(const String& itemName, std::function<bool(Window&)> handler);
  bool HasMenuHandler(const String& itemName) const;

 private:
  String fullClassName_;
  std::unique_ptr<Native> native_;
  Ref<fw::MenuBar> menuBar_;
  std::vector<Ref<fw::Control>> controls_;
  std::map<String, Ref<fw::Control>> controlsByName_;
  std::map<String, std::function<bool(Window&)>> menuHandlers_;
  bool open_ = false;
};

// The open implicit instance of a class by full class name, or Nil.
Ref<Window> GetImplicitWindow(const String& fullClassName);
// The open windows, oldest first.
std::vector<Ref<Window>> OpenWindows();

// The implicit-instance accessor of a window class: the open window of the
// class, or a new one, constructed. The class names its key once, as
// kFullClassName, for its constructor and for this.
template <class W>
Ref<W> ImplicitInstance() {
  Ref<W> window = Cast<W>(GetImplicitWindow(W::kFullClassName));
  if (window.IsNil()) {
    window = RuntimeNewObject<W>();
    window->Constructor();
  }
  return window;
}

// Applies a property blob; a malformed blob or a property the target lacks
// raises PropertyBlobException.
void SetProperties(Window& target, std::string_view blob);
void SetProperties(Control& target, std::string_view blob);

// Binds a control event to a handler method of the window. At each event
// the window that holds the control becomes `self` and the control `me`.
template <class E, class W, class C, class R, class... A>
void InstallInstanceEventHandler(Control& control, R (W::*handler)(C& me, A... args)) {
  static_assert(std::is_same_v<R(A...), typename E::Signature>,
                "the handler's signature does not fit the event");
  auto bound = std::make_unique<EventHandler<typename E::Signature>>();
  bound->call = [handler](Control& me, A... args) -> R {
    Ref<W> self = Cast<W>(me.Window());
    return ((*self).*handler)(dynamic_cast<C&>(me), args...);
  };
  control.InstallHandler(E::Name, std::move(bound));
}

template <class E, class W, class C, class R, class... A>
Binding Bind(R (W::*handler)(C& me, A... args)) {
  return [handler](Control& control) { InstallInstanceEventHandler<E>(control, handler); };
}

// Registers a menu handler method of the window under an item name.
template <class W>
void AddMenuHandler(Window& window, const String& itemName, bool (W::*handler)()) {
  window.AddMenuHandler(itemName,
                        [handler](Window& self) { return (dynamic_cast<W&>(self).*handler)(); });
}

// Makes one control of a window, in the order every window uses: a new
// object through the window, constructed, registered under the layout's
// name, given its code-set properties, the layout's blob, then its event
// bindings.
template <class C>
void CreateControl(Window& self, const layout::ControlLayout& layout,
                   const std::function<void(C&)>& codeSet = {},
                   const std::vector<Binding>& bindings = {}) {
  Ref<C> control = self.New<C>();
  self.AddControl(String(layout.name), control);
  if (codeSet) {
    codeSet(*control);
  }
  SetProperties(*control, layout.blob);
  for (const auto& bind : bindings) {
    bind(*control);
  }
}

}  // namespace fw
