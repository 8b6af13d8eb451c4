#include "quantities/mass_haul.h"

#include <cmath>
#include <optional>

#include "numbers/number_text.h"
#include "quantities/interval_quantities.h"
#include "quantities/sections_ahead.h"

namespace calvora {

namespace {

// A volume as a field of the quantity file holds it, so that the ordinates are the file's sums.
double FieldValue(double volume) {
  return volume == 0 ? 0 : RoundTo(volume, 2);
}

void FindExtremes(MassHaul& haul) {
  const auto& o = haul.Ordinates;
  for (std::size_t i = 1; i + 1 < o.size(); ++i) {
    const double in = o[i].Ordinate - o[i - 1].Ordinate;
    const double out = o[i + 1].Ordinate - o[i].Ordinate;
    if (in * out < 0) {
      haul.Extremes.push_back({o[i].Record, o[i].Station, o[i].Ordinate, in > 0});
    }
  }
}

// The balance points and the area between the curve and the zero line, trapezoid by trapezoid,
// each split where it crosses the line.
void BalanceAndMoment(MassHaul& haul) {
  const auto& o = haul.Ordinates;
  for (std::size_t i = 1; i < o.size(); ++i) {
    const double a = o[i - 1].Ordinate, b = o[i].Ordinate;
    const double length = std::abs(o[i].Station - o[i - 1].Station);
    if (a * b < 0) {
      const double t = a / (a - b);
      haul.BalancePoints.push_back(o[i - 1].Station + t * (o[i].Station - o[i - 1].Station));
      haul.Moment += (std::abs(a) * t + std::abs(b) * (1 - t)) * length / 2;
    } else {
      if (b == 0 && a != 0) {
        haul.BalancePoints.push_back(o[i].Station);
      }
      haul.Moment += std::abs(a + b) * length / 2;
    }
  }
}

}  // namespace

MassHaul ComputeMassHaul(const ProjectState& state, double cutFactor, Progress& progress) {
  MassHaul haul;
  const int count = state.Data.Count();
  std::optional<SectionSlot> previous;
  progress.Start(count);
  {
    SectionsAhead sections(state, count);
    for (int n = 1; n <= count; ++n) {
      if (n > 1 && progress.Step(n)) {
        haul.Cancelled = true;
        break;
      }
      AheadSection computed = sections.Next();
      haul.Messages.insert(haul.Messages.end(), computed.Messages.begin(), computed.Messages.end());
      if (computed.BadVariant) {
        haul.BadVariant = true;
        break;
      }
      if (!computed.Valid) {
        haul.LeftOut.push_back(n);
        continue;
      }
      SectionSlot current = std::move(computed.Slot);
      MassOrdinate point{n, current.Station};
      if (previous) {
        const IntervalQuantities interval =
            ComputeVolumes(*previous, current, state.Project.CalcMethod);
        point.Cut = FieldValue(interval.CutVolume);
        point.Fill = FieldValue(interval.FillVolume);
        for (const double layer : interval.LayerVolume) {
          point.Fill += FieldValue(layer);
        }
        haul.TotalCut += point.Cut * cutFactor;
        haul.TotalFill += point.Fill;
        point.Ordinate = haul.Ordinates.back().Ordinate + point.Cut * cutFactor - point.Fill;
        haul.StationsFallBack |= current.Station < previous->Station;
      }
      haul.Ordinates.push_back(point);
      previous = std::move(current);
    }
  }
  progress.Finish();
  DescribeMassCurve(haul);
  return haul;
}

void DescribeMassCurve(MassHaul& haul) {
  haul.Final = haul.Ordinates.empty() ? 0 : haul.Ordinates.back().Ordinate;
  FindExtremes(haul);
  BalanceAndMoment(haul);
  haul.MeanHaul = haul.TotalCut > 0 ? haul.Moment / haul.TotalCut : 0;
}

}  // namespace calvora
