// The incomplete function J(a) that the K-prime series weighs: I_y(a, nu2/2) with
// y = x^2 / (x^2 + nu2), or P(a, x^2/2) (regularized lower gamma) when nu2 is infinite.
// J falls from 1 to 0 as a grows, crossing over near a = x^2/2, and one step of a costs a
// few multiplications: J(a + 1) = J(a) - D(a), D(a + 1) = D(a) * RapportEcart(a).
#pragma once

namespace basfun_interne {

class FonctionIncomplete {
  public:
    static FonctionIncomplete Beta(double x, double nu2);  // x != 0, nu2 finite
    static FonctionIncomplete Gamma(double x);             // x != 0

    // J(a), or 1 - J(a) when `complement` is set; both computed directly.
    double Valeur(double a, bool complement) const;
    // D(a) = J(a) - J(a + 1) = y^a (1 - y)^b / (a B(a, b))   [x^a e^-x / Gamma(a + 1)].
    double Ecart(double a) const;
    double RapportEcart(double a) const {
        return gamma_ ? x2s2_ / (a + 1) : y_ * (a + b_) / (a + 1);
    }
    // The largest of those ratios over [a, infinity): they fall with a, except for b < 1
    // where they climb towards y.
    double RapportEcartMaxAuDela(double a) const {
        return !gamma_ && b_ < 1 ? y_ : RapportEcart(a);
    }

    // The values a forward sum from a = 1/2 starts with, in closed form: 1 - J(1) = (1 - y)^b
    // [e^(-x^2/2)], D(1/2) and D(1). One exponential serves the three, and its relative error,
    // a few ulps times x^2/2, is several times below that of Boost's densities in doubles.
    struct Debut {
        double complementUn, ecartDemi, ecartUn;
    };
    Debut ValeursDebut() const;
    // 1 - J(1/2), a two-sided Student (or normal) tail, is cheap when y >= 1/2: a short
    // series from D(1/2) (or erfc). Otherwise the sums of the series do without it.
    bool ComplementDemiCourt() const { return gamma_ || y_ >= 0.5; }
    double ComplementDemi(double ecartDemi, double precision) const;
    // Where J crosses over from near 1 to near 0.
    double Centre() const { return x2s2_; }
    // Rough a past which D is negligible at any precision: the cross-over, ten of its
    // widths and the geometric decay of the tail (ratio y).
    double FinEstimee() const;

  private:
    // Past this b the values need Boost's long double evaluation (see boost_policy.h).
    static constexpr double kBGrand = 1e3;
    template <class Politique>
    double ValeurAvec(double a, bool complement, const Politique& pol) const;

    bool gamma_ = false;
    double y_ = 0, unMoinsY_ = 1, b_ = 0, x2s2_ = 0;
};

}  // namespace basfun_interne
