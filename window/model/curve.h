// A curve: a small plot that the program computes and a GUI draws, y against x, with
// reference lines across it (a target level, a limit) and marks along x (a value found),
// each with its text. It raises nothing; setting a new figure tells the observers.
#pragma once

#include <string>
#include <vector>

#include "window/model/control.h"

namespace ormane::window {

struct CurvePoint {
    double x = 0;
    double y = 0;
    friend bool operator==(const CurvePoint&, const CurvePoint&) = default;
};

// A horizontal line at y = value, or a vertical one at x = value.
struct CurveLine {
    double value = 0;
    std::string text;
    friend bool operator==(const CurveLine&, const CurveLine&) = default;
};

struct CurveFigure {
    std::vector<CurvePoint> points;  // in increasing x, joined by straight segments
    double xMin = 0, xMax = 1, yMin = 0, yMax = 1;
    std::vector<CurveLine> levels;  // horizontal lines
    std::vector<CurveLine> marks;   // vertical lines
    std::string xTitle, yTitle;
    // The texts at the ends of the axes.
    std::string xMinText, xMaxText, yMinText, yMaxText;
    friend bool operator==(const CurveFigure&, const CurveFigure&) = default;
};

class Curve : public Control {
  public:
    static constexpr Kind kKind = Kind::Curve;
    Curve(Key key, Form& form, std::string name, std::optional<std::int16_t> index,
          Control* container);

    const CurveFigure& figure() const { return figure_; }
    // Tells the observers (Property::Figure) when the figure differs.
    void setFigure(CurveFigure figure);

  private:
    CurveFigure figure_;
};

}  // namespace ormane::window
