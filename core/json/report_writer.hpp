#pragma once
// The answer of a successful "run": {"report":{...},"impact_stats":{...}}.
#include <string>

#include "core/model/report.hpp"

namespace prynox {

void write_report_json(std::string& out, const BacktestReport& report, const ImpactStats& stats);
std::string write_report_json(const BacktestReport& report, const ImpactStats& stats);

}  // namespace prynox
