#include "cli/usage.h"

#include <string>
#include <vector>

#include "compute/output/results_csv.h"
#include "compute/results_table.h"

#include "ormane/version.h"

namespace ormane::cli {

namespace {

// `words` joined by `separator`, wrapped before `width` columns, each line indented.
std::string wrapped(const std::vector<std::string>& words, const std::string& separator,
                    std::size_t indent, std::size_t width) {
    std::string text, line(indent, ' ');
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string word = words[i] + (i + 1 < words.size() ? separator : "");
        if (line.size() > indent && line.size() + word.size() > width) {
            line.erase(line.find_last_not_of(' ') + 1);
            text += line + '\n';
            line = std::string(indent, ' ');
        }
        line += word;
    }
    return text + line;
}

void replace(std::string& text, const std::string& marker, const std::string& by) {
    text.replace(text.find(marker), marker.size(), by);
}

}  // namespace

const std::string& usageText() {
    static const std::string text = [] {
        std::string usage =
            R"(Usage:
  ormane                      start the calculator window
  ormane compute [OPTIONS]    one computation; prints the result labels as the window shows them
  ormane batch [--jobs N] [FILE|-]
                              one computation per CSV row; CSV results on stdout
  ormane kprime [OPTIONS]     the K-prime distribution calculator (below)
  ormane plan [OPTIONS]       the smallest replication whose prep, psrep or ppreprep
                              reaches a probability
  ormane plot [OPTIONS] --output FILE.svg|FILE.png
                              the picture of the predictive distribution, as an SVG or PNG
  ormane --help | --version

The command line runs the window's own code on a hidden window: each value is the text
you would type into the matching box, read the way the window reads it ("1,5" and "3/4"
work), and corrected the way the window corrects it; a correction is said on standard
error ("--alpha 0.9 was read as 0.05"), or under "corrected" with --json. A value the
window would read as some other number ("abc", "1e309", "0x10") is refused. It never
reads or writes your saved settings.

compute options (a value may also be attached: --df=9; a value never starts with --):
  --df TEXT                 degrees of freedom of the observed experiment (default 9)
  --t TEXT                  the observed statistic: a Student t,
  --F TEXT                    or an F(1, df) (one numerator degree of freedom: the
                              square of a t),
  --p2 TEXT                   or a two-tailed p (default --p2 0.30),
  --p1 TEXT                   or a one-tailed p (half the two-tailed one, at most 0.5;
                              an effect against the expected direction is entered as
                              a negative t); give at most one of the four
  --future C DFR            predict a future experiment whose cell counts are multiplied
                            by C, with DFR degrees of freedom (default: a plain replication)
  --alpha TEXT              significance level of psrep (default 0.05)
  --alpha-tails 1|2         alpha is one-tailed (1) or two-tailed (2, the default)
  --gamma TEXT              the level gamma of ppreprep (default 0.90)
  --estimate-level TEXT     probability level, in percent, of the interval estimate of
                            the effect size (default 95)
  --prediction-level TEXT   probability level, in percent, of the prediction intervals
                            (default 95)
  --d TEXT                  the observed effect is standardized (d) and equals TEXT
  --raw TEXT                the observed effect is raw (unstandardized) and equals TEXT;
                            give at most one of --d and --raw. Without either, no
                            effect interval is computed (but for the start-up example
                            itself, df 9 and --p2 0.30, whose d is 0.34776080)
  --decimals N              decimals of the results shown, 2 to 9 (default 3)
  --lang en|fr              language of the captions (default en)
  --json                    print one JSON object instead of the window's labels: the
                            texts of the boxes after the computation ("entries"), why
                            nothing was computed ("status", "" when it was), the
                            results as numbers or [low, high] intervals (null when
                            there is no result):
@JSON_KEYS@;
                            why each null result is missing
                            ("unavailable"), and the result labels ("labels")
  --report                  print one ready-to-paste sentence instead of the labels,
                            in the language of --lang: the observed result, then
                            each result, e.g. t(9) = 1.10, two-tailed p = .30:
                            prep = .772, psrep (α = .05, two-tailed) = .230, ...
Without --json, why a result is missing is said on standard error.

plot takes the compute options (not --json) and draws what the window's Graph pane draws:
  --output FILE             the file to write: PNG when its name ends in .png, else SVG
  --size WxH                its size in pixels (default 640x280; 200x120 to 4000x4000)
  --scale t|effect          the future experiment's t (the default) or its effect size,
                            the observed effect's kind and value as --d or --raw give them
It writes nothing, and exits with 1, when there is nothing to draw. The file is written
whole or not at all: a failed write leaves the file that was there as it was. A symbolic
link is written through (a link to no file is refused).

batch reads CSV from FILE, or from the standard input when FILE is - or absent. Its header
names any of these columns, in any order (empty cells at its end are ignored):
  df,t,F,p2,p1,c,dfR,alpha,alpha_tails,gamma,estimate_level,prediction_level,d,raw
with the meaning of the compute options; an empty cell keeps the default, and c and dfR
together (both non-empty) ask for a future experiment. Each row is one computation, made
independently of the other rows, and written as soon as it is done. The output repeats
the input columns and adds
@CSV_COLUMNS@
with the shortest digits that read back exactly, empty where there is no result. A bad
row (a value that is not a number, a line longer than 64 KiB, more fields than the
header), or one for which nothing could be computed or a result failed numerically, gets
the reason in the error column and the other rows go on; a cell holding a control
character is refused, and repeated with the character written as \xNN.
  --jobs N                  compute N rows at once (N from 1 to 256; default: one per
                            processor core); the rows still go out in input order, and
                            the output is the same whatever N

kprime options, with K = (Z + lambda sqrt(chi2_df1/df1)) / sqrt(chi2_df2/df2):
  --df1 TEXT, --df2 TEXT    its degrees of freedom, positive numbers or inf (infinity)
  --lambda TEXT             its noncentrality
  --x TEXT                  a limit x: gives P(K <= x) and P(K > x),
  --p TEXT                    or a probability p, strictly between 0 and 1: gives the
                            limit x with P(K <= x) = p, and both tails there
  --decimals N              exactly N decimals, 1 to 15 (default: at most 9)
  --lang en|fr              language of the names and messages (default en)
  --json                    one JSON object: cdf, sf, x, mean, median, sd (null where
                            the result does not exist: the mean needs df2 > 1, the
                            standard deviation df2 > 2) and status
Values are read as compute reads them. Status 1 when a result cannot be computed.
plan takes --df, --t, --F, --p2, --p1, --alpha, --alpha-tails, --gamma and --lang as
compute does, and:
  --target prep|psrep|ppreprep  the probability to reach (default psrep)
  --probability P           the level to reach, strictly between 0 and 1 (default 0.80)
  --cells K                 cells of the design, 1 to 1000 (default 2; 1 for one sample
                            or paired): n = (df + K)/K observed per cell, and a future
                            experiment of n' per cell has c = n'/n and dfR = K(n' - 1)
  --json                    one JSON object: target, probability, cells, n_observed,
                            n_future, c, dfR, achieved (null when unreachable), limit (the
                            target's limit as n' grows, 1 - one-tailed p) and reachable
plan finds the smallest whole n' from 2 to 1000000000 per cell; a P at or above the
limit cannot be reached, and plan says so (status 0).

Exit status:
  0  computed (plot: the picture written), a corrected value included; a result may be
     missing because of the entries (no observed effect, say)
  1  nothing could be computed, a result failed numerically, or a batch row failed;
     libbasfun.so cannot be loaded (nothing is computed, batch writes no row); the
     input cannot be read or the output cannot be written (a full disk, a reader gone as
     with | head: said on standard error; batch stops there); plot has nothing to draw or
     cannot write its file (a file already there is left as it was)
  2  usage error, a value that is not a number included
)";
        std::vector<std::string> keys;
        for (const LigneResultat& row : TableResultats()) keys.emplace_back(row.cle);
        std::vector<std::string> columns = resultColumns();
        columns.emplace_back("error");
        replace(usage, "@JSON_KEYS@", wrapped(keys, ", ", 28, 90));
        replace(usage, "@CSV_COLUMNS@", wrapped(columns, ",", 2, 90));
        return usage;
    }();
    return text;
}

std::string versionText() {
    return std::string(kTitreApplication) + " version " + std::to_string(kVersionMajeure) + "." +
           std::to_string(kVersionMineure) + "." + std::to_string(kVersionRevision);
}

}  // namespace ormane::cli
