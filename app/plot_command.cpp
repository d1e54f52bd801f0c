#include "app/plot_command.h"

#include <QGuiApplication>
#include <QString>
#include <exception>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "cli/calculator.h"
#include "cli/corrections.h"
#include "cli/output_check.h"
#include "cli/plot_parsing.h"
#include "cli/quoting.h"
#include "cli/usage.h"
#include "cli/whole_file.h"
#include "numeric/basfun_loader.h"
#include "qt/drawing/drawing_painter.h"

namespace ormane::app {

namespace {

constexpr int kSuccess = 0;
constexpr int kFailure = 1;
constexpr int kUsageError = 2;

int write(const cli::PlotCommand& plot, const window::Dessin& drawing, std::ostream& err) {
    // Drawing needs a GUI application; the offscreen platform needs no screen.
    static char name[] = "ormane";
    static char platformOption[] = "-platform";
    static char offscreen[] = "offscreen";
    static char* argv[] = {name, platformOption, offscreen, nullptr};
    int argc = 3;
    QGuiApplication application(argc, argv);
    const bool png =
        QString::fromStdString(plot.output).endsWith(QStringLiteral(".png"), Qt::CaseInsensitive);
    const QByteArray bytes = qt::encodeDrawing(drawing, png, QSize(plot.width, plot.height));
    const auto problem =
        bytes.isEmpty()
            ? std::optional<std::string>("the picture could not be made")
            : cli::writeWholeFile(plot.output, std::string_view(bytes.constData(), bytes.size()));
    if (problem) {
        err << "ormane: cannot write " << cli::escaped(plot.output) << ": " << *problem << '\n';
        return kFailure;
    }
    return kSuccess;
}

}  // namespace

int runPlot(std::span<const std::string> arguments, std::ostream& out, std::ostream& err) {
    const auto command = cli::parsePlot(arguments);
    if (const auto* error = std::get_if<cli::UsageError>(&command)) {
        err << "ormane: " << error->message << "\n\n" << cli::usageText();
        return kUsageError;
    }
    if (std::holds_alternative<cli::HelpCommand>(command)) {
        if (auto problem = cli::writeOut(out, cli::usageText())) {
            err << cli::writeFailureMessage(*problem);
            return kFailure;
        }
        return kSuccess;
    }
    const cli::PlotCommand& plot = std::get<cli::PlotCommand>(command);
    try {
        if (!BasfunDisponible()) {
            err << "ormane: cannot load libbasfun.so: nothing can be drawn\n";
            return kFailure;
        }
        cli::Calculator calculator;
        const Outcome outcome = calculator.compute(plot.request);
        err << cli::correctionLines(cli::corrections(plot.request, outcome.entries));
        const window::Dessin drawing = calculator.drawing(plot.width, plot.height, plot.scale);
        if (drawing.vide() || (drawing.traits.empty() && drawing.polygones.empty())) {
            err << "ormane: nothing to draw";
            if (!outcome.status.empty()) err << ": " << outcome.status;
            if (plot.scale == EchelleImage::Effet && !drawing.description.empty())
                err << ": " << drawing.description;
            err << '\n';
            return kFailure;
        }
        return write(plot, drawing, err);
    } catch (const std::exception& failure) {
        err << "ormane: internal error: " << failure.what() << '\n';
        return kFailure;
    }
}

}  // namespace ormane::app
