#!/usr/bin/env python3
"""Seeded-fault check: how many small, deliberate faults of the product do the tests catch?

A developer tool, not part of the build. Each mutant below is one small change of one product
source (a boundary moved, a sign flipped, a constant changed, a clear dropped, a caption or an
exit status wrong). The script applies them one at a time to the source tree in place, rebuilds
what changed in its own build folder, runs the test programs that could see the change, records
whether any test failed ("caught") or none did ("uncaught"), then puts the file back exactly as
it was. A mutant whose text is no longer found in its file is reported "stale" and skipped; one
that does not compile is "no-build" and counts neither way.

Which test programs run: every program that the rebuild relinked (the product libraries are
static, so a test program is relinked exactly when it contains the changed code); every test when
libbasfun.so changed (it is loaded at run time); and the tests that start the `ormane` executable
when it changed. Packaging tests never run (they do not run the changed code). A test program
runs whole, so the results name every test that caught each fault.

Usage (from the top of the tree; the build folder must be configured already, e.g.
    cmake -S . -B build-rel -G Ninja -DCMAKE_BUILD_TYPE=Release -DORMANE_BUILD_BENCHMARKS=OFF):
    python3 scripts/seeded_faults.py --build build-rel --results faults.tsv   # run them all
    python3 scripts/seeded_faults.py --check                   # every mutant still applies?
    python3 scripts/seeded_faults.py --list                    # the mutants, numbered
    python3 scripts/seeded_faults.py --build B --results R --only 1,8,12
    python3 scripts/seeded_faults.py --summary R [--against BEFORE.tsv]
A results file is appended to as each mutant finishes, and mutants already in it are skipped,
so an interrupted run goes on where it stopped. Builds run under `nice -n 15` with one job, and
one mutant at a time, to leave the machine to others. Never run it with uncommitted product
changes: a fault left in a file by a killed run is put back by `git checkout -- <file>`.
"""

import argparse
import json
import os
import re
import subprocess
import sys
import time
from pathlib import Path

# (file, text found once in it, its replacement, what the fault is)
MUTANTS = [
    # numeric/
    ("numeric/quantile_search.cpp", "constexpr int kPasParTour = 101;",
     "constexpr int kPasParTour = 100;", "walk of 100 steps per round instead of 101"),
    ("numeric/quantile_search.cpp", "constexpr int kAgrandissementsMax = 11;",
     "constexpr int kAgrandissementsMax = 10;", "one widening of the walk fewer"),
    ("numeric/quantile_search.cpp", "constexpr int kCyclesMax = 50;",
     "constexpr int kCyclesMax = 5;", "5 refining cycles instead of 50"),
    ("numeric/quantile_search.cpp", "constexpr double kLargeurFinale = 1e-14;",
     "constexpr double kLargeurFinale = 1e-10;", "final bracket width 1e-10 instead of 1e-14"),
    ("numeric/quantile_search.cpp", "return p <= 0.5 ? -z : z;",
     "return p <= 0.5 ? z : -z;", "normal starting point on the wrong side"),
    ("numeric/quantile_search.cpp", "throw Abandon{};\n    if (tol > 1e-7) erreur = kSuccesAvecRemarque;",
     "throw Abandon{};\n    if (tol > 1e-5) erreur = kSuccesAvecRemarque;",
     "loose bracketed search not flagged"),
    ("numeric/quantile_search.cpp", "}\n        if (tol > 1e-7) erreur = kSuccesAvecRemarque;",
     "}\n        if (tol > 1e-5) erreur = kSuccesAvecRemarque;", "loose walk search not flagged"),
    ("numeric/quantile_search.cpp", "if (p <= tol || (p >= 1.0 - tol && tol > 1e-13)) tol = 1e-13;",
     "if (p <= tol || (p >= 1.0 - tol && tol > 1e-13)) tol = 1e-10;",
     "tolerance near 0 and 1 tightened to 1e-10 instead of 1e-13"),
    ("numeric/log_gamma.cpp", "if (x <= 3e6) {", "if (x <= 3e5) {",
     "LogGamma correction stops at 3e5 instead of 3e6"),
    ("numeric/log_gamma.cpp", "if (x < 12.0) return", "if (x < 11.0) return",
     "LogGamma rational range ends at 11"),
    ("numeric/log_gamma.cpp", "- x + 0.918938533204673;", "- x - 0.918938533204673;",
     "LogGamma asymptotic series constant with the wrong sign"),
    ("numeric/log_gamma.cpp", "u < r || a > 100000.0", "u < r || a > 1000.0",
     "gamma ratio falls back to its bound above 1000"),
    ("numeric/psrep.cpp", "if (alpha == 0.0 || nu <= 0.0) {", "if (alpha == 0.0) {",
     "CalculePsrep without its nu <= 0 guard"),
    ("numeric/psrep.cpp", "if (gamma == 0.0 || nu <= 0.0) {", "if (gamma == 0.0) {",
     "CalculePpreprep without its nu <= 0 guard"),
    ("numeric/psrep.cpp", "QueueKprimeAuQuantile(1.0 - alpha,", "QueueKprimeAuQuantile(alpha,",
     "psrep at alpha instead of 1 - alpha"),
    ("numeric/psrep.cpp", "q = Divise(q, RacineCarree(c + 1.0));", "q = Divise(q, RacineCarree(c));",
     "psrep quantile scaled by sqrt(c)"),
    ("numeric/student.cpp", "if (nu >= 100000.0) return RepartitionNormale(t, erreur);",
     "if (nu >= 100.0) return RepartitionNormale(t, erreur);", "Student taken as normal from 100 df"),
    ("numeric/student.cpp", "return t < 0.0 ? h : 1.0 - h;", "return t < 0.0 ? 1.0 - h : h;",
     "Student distribution tails swapped"),
    ("numeric/student.cpp", "if (nu <= 0.0) return 0.0;", "if (nu < 0.0) return 0.0;",
     "prep computed at 0 df"),
    ("numeric/student.cpp", "RacineCarree(Divise(c, c + 1.0)));", "RacineCarree(Divise(c, c + 2.0)));",
     "prep with c/(c+2)"),
    ("numeric/moments.cpp", "std::fabs(lambda) <= 100.0 && nu > 1e7", "std::fabs(lambda) <= 100.0 && nu > 1e3",
     "K-prime variance taken as 1 from 1e3 df"),
    ("numeric/moments.cpp", "return Fini(1.0 + lambda * lambda - (c * lambda) * (c * lambda));",
     "return Fini(1.0 + lambda * lambda + (c * lambda) * (c * lambda));", "K-prime variance sign"),
    ("numeric/student_quantile.cpp", "constexpr double kNuNormal = 100000.0;",
     "constexpr double kNuNormal = 1000.0;", "Student quantile taken as normal from 1000 df"),
    ("numeric/student_quantile.cpp", "constexpr double kNuPetit = 0.5;",
     "constexpr double kNuPetit = 0.05;", "small-df branch of the quantile narrowed"),
    ("numeric/number_format.cpp", "texte.push_back(exposant < 0 ? '-' : '+');",
     "texte.push_back(exposant < 0 ? '+' : '-');", "exponent sign swapped"),
    ("numeric/number_format.cpp", "if (ecrites > 0) texte.append(symbole);",
     "if (ecrites >= 0) texte.append(symbole);", "decimal symbol with no decimals"),
    ("numeric/decimal_digits.cpp", "[static_cast<std::size_t>(nombre)] >= '5';",
     "[static_cast<std::size_t>(nombre)] > '5';", "5 rounded down"),
    ("numeric/number_reading.cpp", "return c >= '0' && c <= '7';", "return c >= '0' && c <= '8';",
     "8 taken as an octal digit"),
    ("numeric/number_reading.cpp", "return c == ' ' || c == '\\t' || c == '\\n';",
     "return c == ' ' || c == '\\n';", "tab no longer a blank"),
    ("numeric/number_reading.cpp", "const double zero = negatif ? -0.0 : 0.0;",
     "const double zero = 0.0;", "negative zero read as zero"),
    ("numeric/distribution.cpp", "valeur = RepartitionKprime(x, P2, P3, P5, 1e-6, erreur);",
     "valeur = RepartitionKprime(x, P2, P3, P5, 1e-3, erreur);", "K-prime retry at 1e-3"),
    ("numeric/special_functions.cpp",
     "(BASFUN_KPRIME, 0, 10000, {x, nu1, nu2, lambda, tolerance, 0.0});\n        if (retour.statut == 0)",
     "(BASFUN_KPRIME, 0, 10000, {x, nu1, nu2, lambda, tolerance, 0.0});\n        if (retour.statut != 0)",
     "K-prime status read backwards"),
    ("numeric/kprime_density_folded.cpp", "(k + f.deuxNMoins1) * cPrecedent",
     "(k + f.N) * cPrecedent", "Gegenbauer recurrence with a wrong coefficient"),
    ("numeric/kprime_density_folded.cpp", "0.8 * (g - uPole)", "8 * (g - uPole)",
     "folded density's panels not graded towards the pole at sigma = 0"),
    ("numeric/kprime_density_folded.cpp", "0.5 * (nu1 + 1) * M_LN2", "0.5 * nu1 * M_LN2",
     "folded density's constant off by a factor sqrt(2)"),
    ("numeric/kprime_start.cpp", "if (w < 0.5 * std::fmin(q, 1 - q) || oppose) {",
     "if (w < 0 || oppose) {",
     "K-prime search start below one df from U's moments again"),
    # basfun/
    ("basfun/kprime.cpp", "constexpr double kPrecisionVisee = 1e-17;",
     "constexpr double kPrecisionVisee = 1e-9;", "K-prime series stopped at 1e-9"),
    ("basfun/kprime.cpp", "? 1.0 : 1 + 2 * centre / nu2;", "? 1.0 : 1 + centre / nu2;",
     "K-prime term estimate stretched by half"),
    ("basfun/basfun.cpp", "return 0.5 * boost::math::erfc(-x / std::sqrt(2.0));",
     "return 0.5 * boost::math::erfc(x / std::sqrt(2.0));", "normal distribution mirrored"),
    ("basfun/basfun.cpp", "if (!(x >= 0.0 && x <= 1.0) || !(a > 0.0)",
     "if (!(x > 0.0 && x <= 1.0) || !(a > 0.0)", "incomplete beta refuses x = 0"),
    ("basfun/fonction_incomplete.cpp",
     "if (y_ <= 0.5) return complement ? bm::ibetac(a, b_, y_, pol) : bm::ibeta(a, b_, y_, pol);",
     "if (y_ <= 0.5) return complement ? bm::ibeta(a, b_, y_, pol) : bm::ibetac(a, b_, y_, pol);",
     "incomplete function complement swapped"),
    ("basfun/poids_melange.cpp", "if (t <= o) return 0.0;", "if (t < o) return 0.0;",
     "mixture mass boundary"),
    # window/
    ("window/model/scroll_bar.cpp", "if (value < minimum() || value > maximum()) {",
     "if (value < minimum() || value > maximum() + 1) {", "scroll bar accepts one past its end"),
    ("window/model/scroll_bar.cpp", "    if (value == value_) return;\n", "",
     "scroll bar notifies a move to where it is"),
    ("window/model/text_controls.cpp", "    guardChange();\n    if (text == text_) return;\n    const",
     "    guardChange();\n    const", "setText of the same text moves the caret"),
    ("window/model/text_controls.cpp", "if (start < 0) throw", "if (start < -1) throw",
     "negative selection start accepted"),
    ("window/model/user_actions.cpp", "box.setValue(box.value() == 0 ? 1 : 0);", "box.setValue(1);",
     "a click never unticks a box"),
    ("window/model/utf8.cpp", "& 0xC0U) != 0x80U;", "& 0xC0U) != 0x00U;",
     "UTF-8 character starts misread"),
    # compute/
    ("picture/predictive_picture.cpp", "constexpr double kQueueHorsImage = 0.002;",
     "constexpr double kQueueHorsImage = 0.02;", "picture's range leaves out 2 % on each side"),
    ("compute/clear_results.cpp", "if (i != IndexDe(choix)) F.textBox(\"Textet\", i).setText(\"\");",
     "if (i != IndexDe(choix) && i != 4) F.textBox(\"Textet\", i).setText(\"\");",
     "one-tailed p not cleared"),
    ("compute/clear_results.cpp",
     "for (const TexteBilingue& nom : NomsResultats()) EtiquetteDe(F, nom).setCaption(\"\");", "",
     "result labels not cleared"),
    ("compute/clear_results.cpp", "    M.resultats = ResultatsConserves{};\n", "",
     "kept results not cleared"),
    ("compute/change_decimales.cpp", "module.TexteDecimales + std::to_string(n)",
     "module.TexteDecimales + std::to_string(n + 1)", "decimals caption off by one"),
    ("compute/compute_results.cpp", "constexpr std::int16_t kDecimalesParDefaut = 3;",
     "constexpr std::int16_t kDecimalesParDefaut = 4;", "4 decimals by default"),
    ("compute/compute_results.cpp", "if (alpha < 0 || alpha > 0.5) {", "if (alpha < 0 || alpha > 0.25) {",
     "alpha above 0.25 replaced"),
    ("compute/compute_results.cpp", "value() != Faux) alpha = alpha * 0.5;",
     "value() == Faux) alpha = alpha * 0.5;", "one- and two-tailed alpha swapped"),
    ("compute/compute_results.cpp", "if (gamma != 0 && gamma < 0.5) {", "if (gamma != 0 && gamma < 0.4) {",
     "gamma down to 0.4 accepted"),
    ("compute/compute_results.cpp", "EcritNombre(F, 3, 2 * p);", "EcritNombre(F, 3, p);",
     "two-tailed p written as one-tailed"),
    ("compute/compute_results.cpp", "if (erreur == kSucces && valeur != 0) {", "if ((void)erreur, valeur != 0) {",
     "failed results kept"),
    ("compute/compute_results.cpp", "const double t = std::sqrt(std::abs(x));",
     "const double t = std::abs(x);", "t from F without the square root"),
    ("compute/compute_results.cpp", "EcritStatistique(F, 4, \"0.5\");",
     "EcritStatistique(F, 4, \"0.50\");", "one-tailed p capped as 0.50"),
    ("compute/replication_intervals.cpp", "return !(g > 1 || g < 0.5);", "return !(g > 1 || g < 0.6);",
     "guarantee below 60 % refused"),
    ("compute/replication_intervals.cpp", "const double signe = tR >= 0 ? -1.0 : 1.0;",
     "const double signe = tR >= 0 ? 1.0 : -1.0;", "p prediction interval on the wrong tail"),
    ("compute/replication_intervals.cpp", "index)) / 100;", "index)) / 10;",
     "guarantee read as a tenth"),
    ("compute/replication_intervals.cpp", "const double h0 = Fini(Divise(d, t) * q0);",
     "const double h0 = Fini(d * q0);", "raw effect half-width not divided by t"),
    ("compute/replication_intervals.cpp", "if (!(estimation && dfR == df && g1 == g0))",
     "if (!(estimation && dfR == df))",
     "prediction quantile reused for another guarantee"),
    ("compute/refresh.cpp", "if (dfR == 0) return EtatCalcul::DdlFuturVide;",
     "if (dfR == 0 && df == 0) return EtatCalcul::DdlFuturVide;", "future df of 0 computed"),
    ("reading/read_as.cpp", "if (lu < 0 && !boite.hasFocus()) {", "if (lu < 0) {",
     "df rewritten while typed"),
    ("compute/refresh.cpp", "c = LitValeur(F.textBox(\"Textec\"));",
     "c = LitValeur(F.textBox(\"TextedfR\"));", "c read from the future df box"),
    ("compute/interval_text.cpp", "? \",\" : \" , \";", "? \" , \" : \" , \";",
     "interval separator of a computation"),
    ("reading/read_as.cpp", "constexpr std::size_t kLongueurCitation = 24;",
     "constexpr std::size_t kLongueurCitation = 20;", "status line quotes 20 characters"),
    ("compute/status_line.cpp", "\"enter the degrees of freedom\"", "\"enter the degree of freedom\"",
     "wrong status caption"),
    ("compute/results_table.h", "\" prep = \", \"prep\"", "\" prep= \", \"prep\"",
     "prep prefix"),
    ("compute/entry_names.cpp", "\"p bilatéral\", \"two-tailed p\"", "\"p bilatéral\", \"two-tailed P\"",
     "entry name for screen readers"),
    ("reading/read_entry.cpp", "return texte.find_first_not_of(' ') == std::string_view::npos;",
     "return texte.empty();", "blanks not taken as an empty entry"),
    # about/
    ("about/about_events.cpp", "\"&Read me\" : \"&Ok\"", "\"&Ok\" : \"&Ok\"",
     "About button caption in English"),
    ("about/about_text.cpp", "\" version \" + std::to_string(kVersionMajeure)",
     "\" version \" + std::to_string(kVersionMineure)", "version shown wrong"),
    # program/
    ("program/startup/settings.cpp", "if (valeur > 32767) throw", "if (valeur > 32766) throw",
     "32767 refused in a setting"),
    ("program/startup/settings.cpp", "return c == ' ' || c == '\\t';", "return c == ' ';",
     "tab around a setting refused"),
    ("program/startup/settings.cpp", "return valeur < ligne.min || valeur > ligne.max",
     "return valeur <= ligne.min || valeur > ligne.max", "lowest stored value refused"),
    ("program/startup/settings.h", "{\"G\", \"0.90\", Verification::Texte},",
     "{\"G\", \"0.95\", Verification::Texte},", "default gamma"),
    ("program/commands/help_topics.cpp", "Langue::Anglais ? 10 : 0", "Langue::Anglais ? 11 : 0",
     "English help topic off by one"),
    ("program/commands/help_topics.cpp", "constexpr std::int32_t kSujetBibliographie = 22;",
     "constexpr std::int32_t kSujetBibliographie = 21;", "notes page topic"),
    ("program/captions/language_menu.cpp", "francais ? \"décimales\" : \"decimals\"",
     "francais ? \"décimales\" : \"decimal\"", "accessible name of the decimals bar"),
    ("program/captions/language_menu.cpp",
     "F.menuItem(\"MenuLangue\", static_cast<std::int16_t>(1 - Index)).setChecked(false);", "",
     "the other language stays checked"),
    ("program/captions/caption_tables.cpp", "\"&Quitter\", \"e&Xit\"", "\"&Quitter\", \"&Exit\"",
     "quit caption and access key"),
    ("program/entries/shown_parts.cpp", "F.label(\"EtiPrept\").setVisible(v);",
     "F.label(\"EtiPrept\").setVisible(true);", "psrep label always shown"),
    ("program/entries/replication_option.cpp", "F.label(\"Etidf\", 1).setVisible(v);",
     "F.label(\"Etidf\", 1).setVisible(true);", "future df caption always shown"),
    ("program/entries/statistic_boxes.cpp", "    c.feuille.optionButton(\"Optiont\", Index).setValue(Vrai);\n",
     "    (void)Index;\n", "typing a statistic does not select it"),
    # cli/
    ("cli/command_line.cpp", "constexpr int kUsageError = 2;", "constexpr int kUsageError = 1;",
     "usage errors leave with status 1"),
    ("cli/command_line.cpp", "return outcome.failed() ? kFailure : kSuccess;",
     "return outcome.failed() ? kSuccess : kSuccess;", "failed computation leaves with status 0"),
    ("cli/calculator.cpp", "tick(F.checkBox(\"CasePreprep\"), true);",
     "tick(F.checkBox(\"CasePreprep\"), false);", "ppreprep not asked for"),
    ("cli/batch.cpp", "while (named > 1 && trimmed", "while (named > 100 && trimmed",
     "trailing empty header cells kept"),
    ("cli/batch.cpp", "record.fieldCount > cells) {", "record.fieldCount > cells + 1) {",
     "one field too many accepted"),
    ("cli/csv.cpp", "if (c == '\\r' && peek() == '\\n') get();", "(void)c;",
     "CR LF read as two line ends"),
    ("window/model/plain_caption.cpp", "if (caption[i] == '&' && i + 1 < caption.size()",
     "if (caption[i] == '#' && i + 1 < caption.size()",
     "access-key marks kept in the report"),
    ("compute/output/json_report.cpp", "whole[\"status\"] = outcome.status;", "whole[\"state\"] = outcome.status;",
     "JSON status key"),
    ("cli/command_line_parsing.cpp", "return argument == \"--help\" || argument == \"-h\";",
     "return argument == \"--help\";", "-h not taken for help"),
    ("cli/command_line_parsing.cpp", " || arguments[i + 1].starts_with(\"--\")) {", ") {",
     "an option taken as the value before it"),
    ("compute/output/outcome_reading.cpp", "e.dfR = F.textBox(\"TextedfR\").text();",
     "e.dfR = F.textBox(\"Textec\").text();", "future df reported from the c box"),
    # qt/
    ("qt/binding/scroll_bar_view.cpp", "bar_.topValue() ? 1 : -1;", "bar_.topValue() ? 1 : 1;",
     "scroll bar shown upside down when reversed"),
]

ROOT = Path(__file__).resolve().parent.parent
TIMEOUT = 300  # seconds for one test program; a hang counts as caught


def mutants():
    return [(i + 1, *m) for i, m in enumerate(MUTANTS)]


def check():
    ok = True
    for n, path, old, _new, what in mutants():
        count = (ROOT / path).read_text(encoding="utf-8").count(old)
        if count != 1:
            print(f"{n:3} {path}: found {count} times: {what}")
            ok = False
    print(f"{len(MUTANTS)} mutants, {'all apply' if ok else 'some do not apply'}")
    return ok


def build(build_dir):
    r = subprocess.run(["nice", "-n", "15", "cmake", "--build", str(build_dir), "--parallel", "1"],
                       stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
    return r.returncode == 0, r.stdout


def test_units(build_dir):
    """The test programs CTest knows, each gtest program once (not once per test)."""
    out = subprocess.run(["ctest", "--show-only=json-v1"], cwd=build_dir, check=True,
                         stdout=subprocess.PIPE, text=True).stdout
    units = {}
    for t in json.loads(out)["tests"]:
        if t["name"].startswith("packaging_") or "command" not in t:
            continue
        props = {p["name"]: p["value"] for p in t.get("properties", [])}
        command = [a for a in t["command"] if not a.startswith("--gtest_")]
        env = tuple(props.get("ENVIRONMENT", []))
        cwd = props.get("WORKING_DIRECTORY", str(build_dir))
        key = (tuple(command), env)
        if key in units:
            continue
        gtest = any(a.startswith("--gtest_filter") for a in t["command"])
        units[key] = {"name": Path(command[0]).name if gtest else t["name"],
                      "command": command, "env": env, "cwd": cwd, "gtest": gtest}
    return list(units.values())


def files_of(unit):
    files = [unit["command"][0]]
    for a in unit["command"]:
        if a.startswith("-DPROGRAM="):
            files.append(a[len("-DPROGRAM="):])
    return files


def mtimes(build_dir):
    return {str(p): p.stat().st_mtime for p in (Path(build_dir) / "bin").iterdir() if p.is_file()}


def run_unit(unit):
    env = dict(os.environ)
    for item in unit["env"]:
        k, _, v = item.partition("=")
        env[k] = v
    command = list(unit["command"])
    if unit["gtest"]:
        command.append("--gtest_brief=1")
    try:
        r = subprocess.run(["nice", "-n", "15", *command], cwd=unit["cwd"], env=env,
                           stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True,
                           errors="replace", timeout=TIMEOUT)
    except subprocess.TimeoutExpired:
        return [f"{unit['name']}:timeout"]
    if r.returncode == 0:
        return []
    failed = set(re.findall(r"^\[  FAILED  \] (\S+\.\S+?)(?:,| \(|$)", r.stdout, re.M))
    failed |= {m for m in re.findall(r"^FAIL!  : (\S+?)\(", r.stdout, re.M)}
    if not failed:
        failed = {f"{unit['name']}:status{r.returncode}"}
    return sorted(failed)


def run(build_dir, results, only):
    build_dir = Path(build_dir).resolve()
    done = set()
    if results.exists():
        done = {int(line.split("\t")[0]) for line in results.read_text().splitlines()[1:] if line}
    else:
        results.write_text("id\tfile\tfault\tstatus\tseconds\tran\tcaught_by\n")
    ok, log = build(build_dir)
    if not ok:
        sys.exit("the unmutated tree does not build:\n" + log[-3000:])
    units = test_units(build_dir)
    basfun = str(build_dir / "bin" / "libbasfun.so")
    ormane = str(build_dir / "bin" / "ormane")
    todo = [m for m in mutants() if m[0] not in done and (not only or m[0] in only)]
    todo.sort(key=lambda m: m[1])  # one file after another: a restored file is rebuilt once
    try:
        for n, path, old, new, what in todo:
            source = ROOT / path
            original = source.read_text(encoding="utf-8")
            start = time.time()
            if original.count(old) != 1:
                status, ran, caught = "stale", [], []
            else:
                before = mtimes(build_dir)
                source.write_text(original.replace(old, new), encoding="utf-8")
                try:
                    ok, _ = build(build_dir)
                finally:
                    source.write_text(original, encoding="utf-8")
                if not ok:
                    status, ran, caught = "no-build", [], []
                else:
                    after = mtimes(build_dir)
                    changed = {f for f, t in after.items() if before.get(f) != t}
                    chosen = [u for u in units
                              if basfun in changed or any(f in changed for f in files_of(u))
                              or (ormane in changed and u["name"].startswith("cli_"))]
                    ran = [u["name"] for u in chosen]
                    caught = [c for u in chosen for c in run_unit(u)]
                    status = "caught" if caught else "uncaught"
            seconds = round(time.time() - start)
            with results.open("a") as f:
                f.write(f"{n}\t{path}\t{what}\t{status}\t{seconds}\t{','.join(ran)}\t"
                        f"{';'.join(caught)}\n")
            print(f"{n:3} {status:9} {seconds:4}s {path}: {what}", flush=True)
    finally:
        build(build_dir)  # leave the build folder matching the restored sources
    summary(results, None)


def read(results):
    rows = {}
    for line in results.read_text().splitlines()[1:]:
        if line:
            c = line.split("\t")
            rows[int(c[0])] = {"file": c[1], "fault": c[2], "status": c[3],
                               "caught_by": c[6].split(";") if len(c) > 6 and c[6] else []}
    return rows


def summary(results, against):
    rows = read(results)
    counted = [r for r in rows.values() if r["status"] in ("caught", "uncaught")]
    caught = [r for r in counted if r["status"] == "caught"]
    print(f"{results}: {len(caught)} caught of {len(counted)} counted "
          f"({100 * len(caught) / max(1, len(counted)):.0f} %); "
          f"{sum(r['status'] == 'no-build' for r in rows.values())} no-build, "
          f"{sum(r['status'] == 'stale' for r in rows.values())} stale")
    for n, r in sorted(rows.items()):
        if r["status"] == "uncaught":
            print(f"  uncaught {n:3} {r['file']}: {r['fault']}")
    if against:
        old = read(against)
        lost = [n for n, r in old.items() if r["status"] == "caught"
                and n in rows and rows[n]["status"] == "uncaught"]
        print(f"caught in {against} and uncaught now: {lost or 'none'}")
        return not lost
    return True


def main():
    a = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    a.add_argument("--build", help="configured build folder")
    a.add_argument("--results", type=Path, help="results file (TSV), appended to")
    a.add_argument("--only", help="comma-separated mutant numbers")
    a.add_argument("--check", action="store_true", help="check that every mutant applies")
    a.add_argument("--list", action="store_true", help="list the mutants")
    a.add_argument("--summary", type=Path, help="summarise a results file")
    a.add_argument("--against", type=Path, help="with --summary: an earlier results file")
    args = a.parse_args()
    if args.list:
        for n, path, _old, _new, what in mutants():
            print(f"{n:3} {path}: {what}")
    elif args.check:
        sys.exit(0 if check() else 1)
    elif args.summary:
        sys.exit(0 if summary(args.summary, args.against) else 1)
    elif args.build and args.results:
        only = {int(x) for x in args.only.split(",")} if args.only else set()
        run(args.build, args.results, only)
    else:
        a.error("give --build and --results, or --check, --list or --summary")


if __name__ == "__main__":
    main()
