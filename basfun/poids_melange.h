// The mixing weights of the K-prime series. Averaging the Poisson weights of the noncentral t
// over the chi variable U turns them into a negative binomial law in the series index:
//   w(t) = Gamma(r + t) / (Gamma(r) Gamma(t + 1)) pi^t (1 - pi)^r,  r = nu1/2,
//   pi = lambda^2 / (nu1 + lambda^2),
// taken at t = j (the P_j weights) and t = j + 1/2 (the |Q_j| weights). When nu1 is
// infinite U = 1 and the law is Poisson of mean lambda^2/2. Every mass of the law has a
// closed form (an incomplete beta or gamma), which is what bounds the unsummed terms.
#pragma once

namespace basfun_interne {

class PoidsMelange {
  public:
    static PoidsMelange BinomialeNegative(double nu1, double lambda);
    static PoidsMelange Poisson(double lambda);

    double Poids(double t) const;
    double LogPoids(double t) const;  // rough (lgamma), only to place the start of a sum
    // w(t + 1) / w(t), and its largest value over [t, infinity).
    double Rapport(double t) const { return poisson_ ? mu_ / (t + 1) : pi_ * (r_ + t) / (t + 1); }
    // The ratio falls with t, except for r < 1 where it climbs towards pi.
    double RapportMaxAuDela(double t) const { return !poisson_ && r_ < 1 ? pi_ : Rapport(t); }
    // w(t - 1) / w(t), and its largest value over the indices below t (infinite when unbounded).
    double RapportArriere(double t) const { return poisson_ ? t / mu_ : t / (pi_ * (r_ + t - 1)); }
    double RapportArriereMaxEnDeca(double t) const;

    // Sum of w over t, t + 1, t + 2, ... (t > 0).
    double MasseDepuis(double t) const;
    // Sum of w over o, o + 1, ..., below t (o = 0 or 1/2).
    double MasseAvant(double t, double o) const;
    // Sum of w over o, o + 1, ...: 1 for o = 0. For o = 1/2 it is P(|Z / U| <= |lambda|), the
    // two-sided Student probability, and 1 minus it is computed directly as well.
    double MasseTotale(double o) const { return o == 0 ? 1.0 : MasseDepuis(o); }
    double UnMoinsMasseDemi() const;
    // The same 1 - M_1/2 is cheap when pi >= 1/2: a short series from w(1/2) (or erfc).
    bool UnMoinsMasseDemiCourte() const { return poisson_ || pi_ >= 0.5; }
    double UnMoinsMasseDemiParSerie(double poidsDemi, double precision) const;

    // w(0) and w(1/2) in closed form, for a forward sum from index 0: one exponential, whose
    // relative error (a few ulps times log(1 / w(0))) is several times below that of Boost's
    // densities in doubles.
    struct Debut {
        double zero, demi;
    };
    Debut ValeursDebut() const;
    // Where w is largest (continuous index).
    double Mode() const;
    // Rough index past which the weights are negligible at any precision: the mode, ten
    // standard deviations and the geometric decay of the tail (ratio pi).
    double FinEstimee() const;

  private:
    // Past this r the masses need Boost's long double evaluation (see boost_policy.h).
    static constexpr double kRGrand = 1e3;
    template <class Politique>
    double MasseDepuisAvec(double t, const Politique& pol) const;
    template <class Politique>
    double MasseAvantAvec(double t, const Politique& pol) const;

    bool poisson_ = false;
    double r_ = 0, pi_ = 0, unMoinsPi_ = 1, mu_ = 0;
};

}  // namespace basfun_interne
