#include "window/model/form.h"

#include <algorithm>

#include "base/run_time_error.h"
#include "window/model/session.h"

namespace ormane::window {

namespace {

// Counts a running call of the form so that its owner does not destroy it meanwhile.
class BusyScope {
  public:
    explicit BusyScope(int& depth) : depth_(depth) { ++depth_; }
    ~BusyScope() { --depth_; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

  private:
    int& depth_;
};

}  // namespace

template <class F>
void Form::forEachObserver(F&& call) {
    if (observers_.empty()) return;
    // A copy: an observer may remove itself (on Unloaded, say).
    std::vector<FormObserver*> snapshot = observers_;
    ++notifyingDepth_;
    try {
        for (FormObserver* observer : snapshot) {
            if (std::find(observers_.begin(), observers_.end(), observer) != observers_.end()) {
                call(*observer);
            }
        }
    } catch (...) {
        --notifyingDepth_;
        throw;
    }
    --notifyingDepth_;
}

Form::Form(Session& session, std::string name) : session_(session), name_(std::move(name)) {
    session_.enter(*this);
}

Form::~Form() {
    session_.leave(*this);
}

// ---- Design ----

void Form::checkNewControl(std::string_view name, std::optional<std::int16_t> index, Kind kind,
                           const Control* container) const {
    std::string what = std::string(name) + (index ? "(" + std::to_string(*index) + ")" : "");
    if (name.empty()) throw ProgrammingError("a control needs a name");
    if (container != nullptr) {
        if (&container->form() != this) {
            throw ProgrammingError(what + ": its container belongs to another form");
        }
        bool menu = kind == Kind::MenuItem;
        Kind wanted = menu ? Kind::MenuItem : Kind::Frame;
        if (container->kind() != wanted) {
            throw ProgrammingError(what + ": a " + std::string(kindName(kind)) +
                                   " cannot sit in a " + std::string(kindName(container->kind())));
        }
    }
    auto found = names_.find(name);
    if (found == names_.end()) return;
    const NameEntry& existing = found->second;
    if (!existing.array || !index) {
        throw ProgrammingError(what + ": the name is taken");
    }
    if (existing.kind != kind) {
        throw ProgrammingError(what + ": the members of a control array share one kind");
    }
    if (existing.members.contains(*index)) {
        throw ProgrammingError(what + ": the index is taken");
    }
}

Control& Form::registerControl(std::unique_ptr<Control> control) {
    Control& added = *control;
    NameEntry& entry =
        names_.try_emplace(added.name(), NameEntry{added.kind(), added.index().has_value(), {}})
            .first->second;
    entry.members.emplace(added.index().value_or(0), &added);
    order_.push_back(&added);
    owned_.push_back(std::move(control));
    return added;
}

// ---- Lookup ----

const Form::NameEntry& Form::entry(std::string_view name) const {
    auto found = names_.find(name);
    if (found == names_.end()) {
        throw UnknownControlError("form " + name_ + " has no control named " + std::string(name));
    }
    return found->second;
}

Control& Form::single(std::string_view name) const {
    const NameEntry& e = entry(name);
    if (e.array) {
        throw ProgrammingError(std::string(name) + " is a control array: give an index");
    }
    return *e.members.begin()->second;
}

Control& Form::member(std::string_view name, std::int16_t index) const {
    const NameEntry& e = entry(name);
    // The message is made only for a failure: every computation looks up dozens of members.
    const auto what = [&] { return std::string(name) + "(" + std::to_string(index) + ")"; };
    if (!e.array) throw ErreurExecution(what() + ": " + std::string(name) + " is not an array");
    auto found = e.members.find(index);
    if (found == e.members.end()) throw ErreurExecution(what() + ": no such member");
    return *found->second;
}

Control& Form::control(std::string_view name) {
    return single(name);
}

Control& Form::control(std::string_view name, std::int16_t index) {
    return member(name, index);
}

bool Form::hasControl(std::string_view name) const {
    return names_.contains(name);
}

bool Form::isArray(std::string_view name) const {
    return entry(name).array;
}

Kind Form::kindOf(std::string_view name) const {
    return entry(name).kind;
}

std::vector<std::int16_t> Form::indices(std::string_view name) const {
    const NameEntry& e = entry(name);
    std::vector<std::int16_t> result;
    if (!e.array) return result;
    for (const auto& [index, member] : e.members) result.push_back(index);
    return result;
}

std::vector<Control*> Form::childrenOf(const Control* container) const {
    std::vector<Control*> children;
    std::copy_if(order_.begin(), order_.end(), std::back_inserter(children),
                 [container](const Control* c) { return c->container() == container; });
    return children;
}

// ---- Handlers ----

void Form::on(std::string_view name, Notification notification, Handler handler) {
    const NameEntry& e = entry(name);
    if (!raises(e.kind, notification)) {
        throw ProgrammingError(std::string(name) + ": a " + std::string(kindName(e.kind)) +
                               " never raises " + std::string(notificationName(notification)));
    }
    if (!handler) throw ProgrammingError(std::string(name) + ": empty handler");
    auto& perName = handlers_[std::string(name)];
    if (!perName.emplace(notification, std::move(handler)).second) {
        throw ProgrammingError(std::string(name) + "_" +
                               std::string(notificationName(notification)) +
                               " has a handler already");
    }
}

void Form::onLoad(FormHandler handler) {
    loadHandler_ = std::move(handler);
}

void Form::onUnload(FormHandler handler) {
    unloadHandler_ = std::move(handler);
}

bool Form::notificationsSuppressed() const {
    return session_.ended() || state_ == FormState::Unloaded;
}

void Form::dispatch(Control& control, Notification notification, std::int16_t keyCode,
                    std::int16_t shift) {
    if (notificationsSuppressed()) return;
    auto perName = handlers_.find(control.name());
    if (perName == handlers_.end()) return;
    auto handler = perName->second.find(notification);
    if (handler == perName->second.end()) return;
    BusyScope busy(busyDepth_);
    handler->second(Event{control, notification, control.index().value_or(0), keyCode, shift});
}

// ---- The form's own properties ----

void Form::setCaption(std::string caption) {
    guardChange();
    if (caption == caption_) return;
    caption_ = std::move(caption);
    notifyForm(FormChange::Caption);
}

void Form::setHelpContextId(std::int16_t id) {
    guardChange();
    if (id == helpContextId_) return;
    helpContextId_ = id;
    notifyForm(FormChange::HelpContext);
}

// ---- Focus ----

void Form::moveFocus(Control* to) {
    if (to == focused_) return;
    focused_ = to;
    forEachObserver([&](FormObserver& o) { o.focusChanged(*this, to); });
    if (to != nullptr && raises(to->kind(), Notification::GotFocus)) {
        dispatch(*to, Notification::GotFocus, 0, 0);
    }
}

void Form::releaseUnreachableFocus() {
    if (focused_ == nullptr) return;
    if (!shown_ || !focused_->effectivelyVisible() || !focused_->effectivelyEnabled()) {
        moveFocus(nullptr);
    }
}

// ---- Lifecycle ----

void Form::load() {
    guardChange();
    if (state_ == FormState::Unloaded) {
        throw ProgrammingError("form " + name_ + " is unloaded: use a fresh instance");
    }
    if (state_ == FormState::Loaded) return;
    state_ = FormState::Loaded;
    if (loadHandler_ && !session_.ended()) {
        BusyScope busy(busyDepth_);
        loadHandler_();
    }
}

void Form::show(Modality modality, std::function<void()> apresFermeture) {
    guardChange();
    load();
    if (state_ != FormState::Loaded || session_.ended()) return;  // the load unloaded it
    if (modality == Modality::Modeless) {
        if (!shown_) {
            shown_ = true;
            notifyForm(FormChange::Shown);
        }
        session_.services().windows.showModeless(*this);
        return;
    }
    if (shown_)
        throw ErreurExecution("form " + name_ + " is shown already: cannot show it modally");
    shown_ = true;
    modal_ = true;
    notifyForm(FormChange::Shown);
    session_.pushModal(*this);
    {
        BusyScope busy(busyDepth_);
        try {
            session_.services().windows.runModal(*this);
        } catch (...) {
            session_.popModal(*this);
            modal_ = false;
            throw;
        }
    }
    if (shown_ && !session_.ended()) {
        // A modal loop that returns at once (a web page cannot block): the form stays modal
        // until it is hidden or unloaded, and what follows its closing runs then.
        apresFermeture_ = std::move(apresFermeture);
        attenteFermeture_ = true;
        return;
    }
    session_.popModal(*this);
    modal_ = false;
    if (apresFermeture && !session_.ended()) apresFermeture();
}

void Form::finModaleDifferee() {
    if (!attenteFermeture_) return;
    attenteFermeture_ = false;
    session_.popModal(*this);
    modal_ = false;
    std::function<void()> suite = std::move(apresFermeture_);
    apresFermeture_ = nullptr;
    if (suite && !session_.ended()) {
        BusyScope busy(busyDepth_);
        suite();
    }
}

void Form::hide() {
    guardChange();
    if (state_ == FormState::Created) load();
    if (!shown_) return;
    shown_ = false;
    releaseUnreachableFocus();
    notifyForm(FormChange::Hidden);
    finModaleDifferee();
}

void Form::unload() {
    guardChange();
    if (state_ == FormState::Unloaded) return;
    if (unloadHandler_ && !session_.ended()) {
        BusyScope busy(busyDepth_);
        unloadHandler_();
        if (state_ == FormState::Unloaded) return;  // the handler unloaded it itself
    }
    terminate();
}

void Form::terminate() {
    if (state_ == FormState::Unloaded) return;
    if (focused_ != nullptr) {
        focused_ = nullptr;
        forEachObserver([&](FormObserver& o) { o.focusChanged(*this, nullptr); });
    }
    state_ = FormState::Unloaded;
    shown_ = false;
    notifyForm(FormChange::Unloaded);
    finModaleDifferee();
}

bool Form::acceptsUserInput() const {
    if (session_.ended() || state_ != FormState::Loaded || !shown_) return false;
    Form* modal = session_.modalForm();
    return modal == nullptr || modal == this;
}

// ---- Observers ----

void Form::addObserver(FormObserver& observer) {
    if (std::find(observers_.begin(), observers_.end(), &observer) == observers_.end()) {
        observers_.push_back(&observer);
    }
}

void Form::removeObserver(FormObserver& observer) {
    std::erase(observers_, &observer);
}

void Form::guardChange() const {
    if (notifyingDepth_ > 0) {
        throw ProgrammingError("form " + name_ + " changed from inside one of its observers");
    }
}

// An unloaded form's window is gone: nothing more to tell but the unload itself.
void Form::notifyControl(Control& control, Property property) {
    if (state_ == FormState::Unloaded) return;
    forEachObserver([&](FormObserver& o) { o.controlChanged(control, property); });
}

void Form::notifyItem(ComboBox& box, std::size_t position) {
    if (state_ == FormState::Unloaded) return;
    forEachObserver([&](FormObserver& o) { o.itemAppended(box, position); });
}

void Form::notifyForm(FormChange change) {
    if (state_ == FormState::Unloaded && change != FormChange::Unloaded) return;
    forEachObserver([&](FormObserver& o) { o.formChanged(*this, change); });
}

}  // namespace ormane::window
