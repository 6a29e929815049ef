#include "stats/ThreatEstimate.h"

#include <algorithm>
#include <cmath>

namespace {

// A wave no tower can touch reads as this many times the Heavy line; finite so that it prints.
constexpr double Hopeless = 1000.0;
// The bar is full at this many times the Heavy line.
constexpr double BarTop = 2.0;

double plain(double value)
{
    return std::isfinite(value) && value > 0.0 ? value : 0.0;
}

} // namespace

ThreatEstimate ThreatEstimate::of(double waveHealth, const std::vector<double>& towerDamagePerSecond,
                                  double marchSeconds)
{
    ThreatEstimate estimate;
    estimate.waveHealth = plain(waveHealth);
    double perSecond = 0.0;
    for (const double damage : towerDamagePerSecond)
        perSecond += plain(damage);
    estimate.defenceDamage = plain(perSecond * plain(marchSeconds));
    if (estimate.waveHealth <= 0.0)
        estimate.share = 0.0;
    else if (estimate.defenceDamage <= 0.0)
        estimate.share = Hopeless;
    else
        estimate.share = std::min(Hopeless, estimate.waveHealth / estimate.defenceDamage);
    return estimate;
}

ThreatEstimate::Verdict ThreatEstimate::verdict() const
{
    if (share > HeavyShare)
        return Verdict::Heavy;
    if (share > EvenShare)
        return Verdict::Even;
    return Verdict::Light;
}

const char* ThreatEstimate::caption(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Light: return "Light";
    case Verdict::Even: return "Even";
    case Verdict::Heavy: break;
    }
    return "Heavy for your defence";
}

int ThreatEstimate::barFill(int width) const
{
    const double fraction = std::clamp(share / (BarTop * HeavyShare), 0.0, 1.0);
    return static_cast<int>(std::lround(fraction * std::max(0, width)));
}
