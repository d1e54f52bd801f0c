// The vertical scroll bar (QScrollBar). The model decides which value each end holds (its
// top end may hold the larger one), so the Qt bar counts positions from the top
// (0 = the model's top value) and every move goes to the model: an arrow or a click in
// the track as UserActions::scroll, the thumb dragged as dragThumb, released as
// releaseThumb, any other move (Home/End, the wheel) as scrollTo.
#pragma once

#include <QScrollBar>

#include "qt/binding/control_view.h"
#include "window/model/scroll_bar.h"

namespace ormane::qt {

class ScrollBarView : public ControlView {
  public:
    ScrollBarView(FormBinding& binding, window::ScrollBar& bar);
    QWidget* widget() const override { return scrollBar_; }

    // Position from the top <-> model value.
    int positionOf(std::int16_t value) const;
    std::int16_t valueAt(int position) const;

  protected:
    void showProperty(window::Property property) override;
    void showEverything() override;

  private:
    void actionTriggered(int action);

    window::ScrollBar& bar_;
    QScrollBar* scrollBar_;
};

}  // namespace ormane::qt
