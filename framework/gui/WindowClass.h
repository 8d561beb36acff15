#pragma once
// What every window class of the program writes the same way: its key, its
// implicit instance, and its controls, each declared once as a member named
// after the control:
//   fw::ControlSlot<MainWindowLayout::edPercent> edPercent{
//       this, kUnit0, {fw::Bind<KeyDown>(&MainWindow::edPercent_KeyDown)}};
// The member is the control's accessor (edPercent() looks the control up by
// name, Nil when it is missing) and says how CreateControls0 makes it.
#include <functional>
#include <type_traits>
#include <vector>

#include "gui/Window.h"

namespace fw {

template <class Row>
struct ControlClassOfRow;
template <>
struct ControlClassOfRow<layout::StaticText> {
  using type = StaticText;
};
template <>
struct ControlClassOfRow<layout::TextField> {
  using type = TextField;
};
template <>
struct ControlClassOfRow<layout::PushButton> {
  using type = PushButton;
};
template <>
struct ControlClassOfRow<layout::Canvas> {
  using type = Canvas;
};
template <class Row, std::size_t N>
struct ControlClassOfRow<layout::Entries<Row, N>> : ControlClassOfRow<Row> {};

// One control that a window class declares.
class DeclaredControl {
 public:
  DeclaredControl() = default;
  DeclaredControl(const DeclaredControl&) = delete;
  DeclaredControl& operator=(const DeclaredControl&) = delete;
  virtual void Create(Window& self) const = 0;
  virtual int32_t TabIndex() const = 0;

 protected:
  ~DeclaredControl() = default;
};

// The skeleton of a window class W, which names its key as kFullClassName.
template <class W>
class WindowClass : public Window {
 public:
  WindowClass() : Window(W::kFullClassName) {}
  // The open window of the class, or a new one.
  static Ref<W> Instance() { return ImplicitInstance<W>(); }

  void CreateControls() override { CreateControls0(); }
  // Makes the declared controls in the order they are declared.
  void CreateControls0() {
    for (const DeclaredControl* control : declared_) {
      control->Create(*this);
    }
  }

  // Controls are made in ascending TabIndex order; a class that declares
  // them otherwise is refused when it is first made.
  void Declare(const DeclaredControl& control) {
    if (!declared_.empty() && declared_.back()->TabIndex() >= control.TabIndex()) {
      throw RuntimeException(String(W::kFullClassName) +
                             ": controls declared out of TabIndex order");
    }
    declared_.push_back(&control);
  }

 private:
  std::vector<const DeclaredControl*> declared_;
};

// A control of a window, declared by its layout row.
template <const auto& Row>
class ControlSlot final : public DeclaredControl {
 public:
  using Class = typename ControlClassOfRow<std::remove_cvref_t<decltype(Row)>>::type;

  template <class W>
  explicit ControlSlot(WindowClass<W>* self, std::function<void(Class&)> codeSet = {},
                       std::vector<Binding> bindings = {})
      : self_(self), codeSet_(std::move(codeSet)), bindings_(std::move(bindings)) {
    self->Declare(*this);
  }

  // The control, looked up by name at the moment of use.
  Ref<Class> operator()() const {
    return self_->template Control<Class>(String(layout::ControlLayoutOf<Row>.name));
  }

  void Create(Window& self) const override {
    CreateControl<Class>(self, layout::ControlLayoutOf<Row>, codeSet_, bindings_);
  }
  int32_t TabIndex() const override { return layout::TabIndexOf<Row>; }

 private:
  const Window* self_;
  std::function<void(Class&)> codeSet_;
  std::vector<Binding> bindings_;
};

}  // namespace fw
