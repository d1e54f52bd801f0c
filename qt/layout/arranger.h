// Places the widgets of a bound form's controls into Qt layouts, the way the main window's
// and the K-prime dialog's arrangements both do: by the control's name, with room for the
// numbers their boxes and results hold, and with the tab order of the placing.
#pragma once

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ormane::window {
class Form;
}

namespace ormane::qt {

class ControlView;
class FormBinding;

class Arranger {
  public:
    explicit Arranger(FormBinding& binding);

    ControlView& view(const std::string& name, std::optional<std::int16_t> index = std::nullopt);
    QWidget* take(const std::string& name, std::optional<std::int16_t> index = std::nullopt);
    // The same, keeping the widget's room while the program hides it.
    QWidget* keep(const std::string& name, std::optional<std::int16_t> index = std::nullopt);
    QGroupBox* frame(const std::string& name, std::optional<std::int16_t> index = std::nullopt);
    // A result label that holds `widest` without clipping, one line high.
    QLabel* result(const std::string& name, std::optional<std::int16_t> index, const char* widest);
    // An entry wide enough for the numbers people type and the program writes back.
    QWidget* entry(const std::string& name, std::optional<std::int16_t> index = std::nullopt,
                   bool keepRoom = false);
    // A label naming the entry placed next: Alt with its letter reaches that entry.
    QWidget* caption(const std::string& label, std::optional<std::int16_t> labelIndex,
                     QWidget* entry);

    // Tab order: the order in which the controls were placed, top to bottom.
    void chainTabOrder();

  private:
    FormBinding& binding_;
    window::Form& form_;
    std::vector<ControlView*> placed_;
};

// A minimum width replaces the widget's own minimum in a layout: never go below that.
void atLeast(QWidget* widget, int width);

// One row of a grid: what names the entry, the entry, and a check box after it if any.
// Written in braces, {a.take(...), a.entry(...)}, the widgets are placed, and so reached by
// the tab key, from left to right.
struct EntryRow {
    QWidget* caption;
    QWidget* entry;
    QWidget* check = nullptr;
};
void addEntryRow(QGridLayout* grid, int row, const EntryRow& widgets);

}  // namespace ormane::qt
