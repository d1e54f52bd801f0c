// A form (window) of the model: its controls by name and index, the handlers attached to
// their notifications, its own properties and its lifecycle
//   created (design state) -> loaded (load handler ran) -> shown / hidden -> unloaded.
// The form owns its controls. Its owner (usually a FormInstance) owns the form and
// destroys it only after it is unloaded and no call of its is running; an unloaded form is
// inert (it raises nothing, takes no user action) and a later use needs a fresh one.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "window/model/controls.h"
#include "window/model/errors.h"
#include "window/model/event.h"
#include "window/model/observer.h"
#include "window/model/presentation.h"

namespace ormane::window {

class Session;

enum class Modality { Modeless, Modal };
enum class FormState { Created, Loaded, Unloaded };

class Form {
  public:
    // The session must outlive the form.
    Form(Session& session, std::string name);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& name() const { return name_; }
    Session& session() const { return session_; }

    // ---- Design: creating the controls (in the order a GUI lists them) ----
    // A single control, or member `index` of the control array `name`. `container` is a
    // frame of this form (a menu item for menu items), nullptr for the form itself (the
    // menu bar). Duplicates, a kind other than the array's, or a bad container throw
    // ProgrammingError.
    template <class T>
    T& add(std::string name, Control* container = nullptr);
    template <class T>
    T& addMember(std::string name, std::int16_t index, Control* container = nullptr);
    // add<T>(name, 0) would take 0 for a null container: array members need addMember.
    template <class T>
    T& add(std::string name, int index) = delete;

    // ---- Lookup ----
    // Unknown name: UnknownControlError. An array name without index: ProgrammingError.
    // An index on a name that is not an array, or a missing index of an array:
    // ErreurExecution (the program traps that one, e.g. a language menu index 2).
    Control& control(std::string_view name);
    Control& control(std::string_view name, std::int16_t index);
    // The same, also checking the kind (T may be TextControl or CaptionedControl); a
    // control of another kind is a ProgrammingError.
    template <class T>
    T& get(std::string_view name);
    template <class T>
    T& get(std::string_view name, std::int16_t index);

    TextBox& textBox(std::string_view n) { return get<TextBox>(n); }
    TextBox& textBox(std::string_view n, std::int16_t i) { return get<TextBox>(n, i); }
    ComboBox& comboBox(std::string_view n) { return get<ComboBox>(n); }
    ComboBox& comboBox(std::string_view n, std::int16_t i) { return get<ComboBox>(n, i); }
    TextControl& textControl(std::string_view n) { return get<TextControl>(n); }
    TextControl& textControl(std::string_view n, std::int16_t i) { return get<TextControl>(n, i); }
    OptionButton& optionButton(std::string_view n) { return get<OptionButton>(n); }
    OptionButton& optionButton(std::string_view n, std::int16_t i) {
        return get<OptionButton>(n, i);
    }
    CheckBox& checkBox(std::string_view n) { return get<CheckBox>(n); }
    CheckBox& checkBox(std::string_view n, std::int16_t i) { return get<CheckBox>(n, i); }
    Label& label(std::string_view n) { return get<Label>(n); }
    Label& label(std::string_view n, std::int16_t i) { return get<Label>(n, i); }
    Frame& frame(std::string_view n) { return get<Frame>(n); }
    Frame& frame(std::string_view n, std::int16_t i) { return get<Frame>(n, i); }
    CommandButton& commandButton(std::string_view n) { return get<CommandButton>(n); }
    CommandButton& commandButton(std::string_view n, std::int16_t i) {
        return get<CommandButton>(n, i);
    }
    ScrollBar& scrollBar(std::string_view n) { return get<ScrollBar>(n); }
    ScrollBar& scrollBar(std::string_view n, std::int16_t i) { return get<ScrollBar>(n, i); }
    MenuItem& menuItem(std::string_view n) { return get<MenuItem>(n); }
    MenuItem& menuItem(std::string_view n, std::int16_t i) { return get<MenuItem>(n, i); }
    Picture& picture(std::string_view n) { return get<Picture>(n); }
    Picture& picture(std::string_view n, std::int16_t i) { return get<Picture>(n, i); }

    bool hasControl(std::string_view name) const;
    // Unknown names: UnknownControlError.
    bool isArray(std::string_view name) const;
    Kind kindOf(std::string_view name) const;
    // The indices of an array's members, increasing (empty for a single control).
    std::vector<std::int16_t> indices(std::string_view name) const;

    // Every control in creation order.
    const std::vector<Control*>& controls() const { return order_; }
    // The controls directly in `container` (nullptr: directly in the form, menus of the
    // menu bar included), in creation order.
    std::vector<Control*> childrenOf(const Control* container) const;

    // ---- Handlers ----
    // Attaches the handler of `notification` for the control (or every member of the
    // control array) named `name`. Unknown name: UnknownControlError. A notification the
    // kind never raises, or a second handler for the same pair: ProgrammingError.
    void on(std::string_view name, Notification notification, Handler handler);
    // Form_Load: run once by load(). Form_Unload: run by unload() before the form goes.
    void onLoad(FormHandler handler);
    void onUnload(FormHandler handler);

    // ---- The form's own properties ----
    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    std::int16_t helpContextId() const { return helpContextId_; }
    void setHelpContextId(std::int16_t id);
    // The control holding the keyboard focus, nullptr when none does.
    Control* focused() const { return focused_; }
    // Design size of the client area, when the design fixes it (a hint for the GUI).
    const std::optional<Twips>& clientSize() const { return clientSize_; }
    void setClientSize(std::optional<Twips> size) { clientSize_ = size; }

    // ---- Lifecycle ----
    FormState state() const { return state_; }
    bool loaded() const { return state_ == FormState::Loaded; }
    bool unloaded() const { return state_ == FormState::Unloaded; }
    bool shown() const { return shown_; }
    bool modal() const { return modal_; }
    // Whether a handler, a load or a modal show of this form is running: the owner must
    // not destroy it then.
    bool busy() const { return busyDepth_ > 0; }

    // Runs the load handler the first time; later calls do nothing. On an unloaded form:
    // ProgrammingError.
    void load();
    // Loads the form if needed, then shows it. Modeless returns at once. Modal goes
    // through the platform's modal loop, which returns when the form is hidden or unloaded
    // (a window system that can block) or at once (one that cannot, a web page: the form
    // then stays modal until it is hidden or unloaded); `apresFermeture` runs once it is
    // closed either way, so what depends on a modal form's answer goes there. Showing
    // modally a form already shown is an ErreurExecution. Showing gives the focus to no
    // control: the GUI's first focus arrives as a user action.
    void show(Modality modality = Modality::Modeless, std::function<void()> apresFermeture = {});
    // Hides (loading the form first if it was only created); the focus leaves it.
    void hide();
    // Runs the unload handler, then the form becomes inert and hidden and the observers
    // hear FormChange::Unloaded. Unloading an unloaded form does nothing.
    void unload();

    // ---- Observers (not owned; remove them before destroying them) ----
    void addObserver(FormObserver& observer);
    void removeObserver(FormObserver& observer);

  private:
    friend class Control;
    friend class TextControl;
    friend class ComboBox;
    friend class UserActions;
    friend class Session;

    struct NameEntry {
        Kind kind;
        bool array;
        std::map<std::int16_t, Control*> members;  // the single control under key 0
    };

    Control& registerControl(std::unique_ptr<Control> control);
    const NameEntry& entry(std::string_view name) const;
    Control& single(std::string_view name) const;
    Control& member(std::string_view name, std::int16_t index) const;
    template <class T>
    static T& as(Control& control);
    void checkNewControl(std::string_view name, std::optional<std::int16_t> index, Kind kind,
                         const Control* container) const;

    void guardChange() const;
    void notifyControl(Control& control, Property property);
    void notifyItem(ComboBox& box, std::size_t position);
    void notifyForm(FormChange change);
    void moveFocus(Control* to);
    // After a visibility or enabled change: the focus leaves a control that cannot hold it.
    void releaseUnreachableFocus();
    void dispatch(Control& control, Notification notification, std::int16_t keyCode,
                  std::int16_t shift);
    bool notificationsSuppressed() const;
    // Whether a person could act on this form now (loaded, shown, not behind a modal
    // form, program not ended).
    bool acceptsUserInput() const;
    // The program ended: unloaded at once, without running any handler.
    void terminate();
    // A modal show whose loop returned at once ends when the form is hidden or unloaded.
    void finModaleDifferee();

    template <class F>
    void forEachObserver(F&& call);

    Session& session_;
    std::string name_;
    std::vector<std::unique_ptr<Control>> owned_;
    std::vector<Control*> order_;
    std::map<std::string, NameEntry, std::less<>> names_;
    std::map<std::string, std::map<Notification, Handler>, std::less<>> handlers_;
    FormHandler loadHandler_;
    FormHandler unloadHandler_;
    std::string caption_;
    std::int16_t helpContextId_ = 0;
    std::optional<Twips> clientSize_;
    Control* focused_ = nullptr;
    FormState state_ = FormState::Created;
    bool shown_ = false;
    bool modal_ = false;
    bool attenteFermeture_ = false;
    std::function<void()> apresFermeture_;
    int busyDepth_ = 0;
    std::vector<FormObserver*> observers_;
    int notifyingDepth_ = 0;
};

template <class T>
T& Form::add(std::string name, Control* container) {
    checkNewControl(name, std::nullopt, T::kKind, container);
    return static_cast<T&>(registerControl(
        std::make_unique<T>(Control::Key{}, *this, std::move(name), std::nullopt, container)));
}

template <class T>
T& Form::addMember(std::string name, std::int16_t index, Control* container) {
    checkNewControl(name, index, T::kKind, container);
    return static_cast<T&>(registerControl(
        std::make_unique<T>(Control::Key{}, *this, std::move(name), index, container)));
}

template <class T>
T& Form::as(Control& control) {
    if (auto* typed = dynamic_cast<T*>(&control)) return *typed;
    throw ProgrammingError(control.displayName() + " is a " +
                           std::string(kindName(control.kind())) +
                           ", not the kind of control the program expects");
}

template <class T>
T& Form::get(std::string_view name) {
    return as<T>(control(name));
}

template <class T>
T& Form::get(std::string_view name, std::int16_t index) {
    return as<T>(control(name, index));
}

}  // namespace ormane::window
