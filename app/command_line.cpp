#include "app/command_line.h"

#include "ormane/version.h"

namespace ormane::app {

std::string versionLine() {
    return std::string(kTitreApplication) + " version " + std::to_string(kVersionMajeure) + "." +
           std::to_string(kVersionMineure) + "." + std::to_string(kVersionRevision);
}

std::string usage() {
    std::string name = kNomExecutable;
    return "Usage: " + name +
           " [--help | --version]\n"
           "\n"
           "Ormane computes predictive probabilities about the replication of an experiment\n"
           "(prep, psrep, ppreprep) and prediction intervals, from a Student t, an F or a\n"
           "p value and its degrees of freedom.\n"
           "\n"
           "  " +
           name +
           "            open the calculator window\n"
           "  " +
           name +
           " --help     show this help and exit\n"
           "  " +
           name + " --version  show the version and exit\n";
}

}  // namespace ormane::app
