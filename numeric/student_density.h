// The density of Student's t, for the picture of a raw effect's predictive distribution
// (a location-scale Student law).
#pragma once

#include <optional>

namespace ormane {

// f(t) for Student's t with nu > 0 degrees of freedom (any nu up to the largest double);
// nullopt for nu <= 0 or NaN arguments.
std::optional<double> DensiteStudent(double t, double nu);

}  // namespace ormane
