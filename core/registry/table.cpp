// The indicator type table.
//
// Every accepted type name has one row here: its name, the feed it consumes and its parameter
// signature (one letter per parameter, read in index order before any check runs: 'P' window or
// count, 'F' real, 'I' i32, 'U' u32; see param_values.hpp). Rows stay sorted by name; the
// static_asserts below pin the counts. A name whose type has no builder yet is answered
// "unknown indicator type: {}", exactly like a name outside the table.
//
// Adding a type (nothing in this file changes):
//  1. Write the type in src/indicators/<snake_name>.{hpp,cpp}: a value type with
//       static std::expected<T, IndicatorError> create(<parameters in index order>)
//     running the type's checks in its own order (period_checks.hpp has the window, minimum
//     and multiplier checks; own messages are constants in the type's header), plus
//       std::optional<double> update_value(double x)   and   std::uint64_t warmup_period() const
//     for a type fed by the close. Types that read more of the bar implement Indicator
//     themselves (indicators/indicator.hpp) and return some_value(v) / no_value()
//     (indicators/optional_value.hpp), which halves the cost of a cheap update under g++ 12.
//  2. Add a row to the family's file core/registry/entries_<family>.cpp (every family listed in
//     families.hpp already has one, returning no rows):
//       {"Kama", [](const ParamValues& p) { return box_close(Kama::create(p.window(0), p.window(1), p.window(2))); }},
//     ParamValues holds what the row's signature above read: window(k) for 'P', real(k) for 'F',
//     i32(k) for 'I', u32(k) for 'U'; reading a kind the signature does not declare is a broken
//     invariant. box_close boxes a close-fed state; box_as<YourIndicator> boxes anything else.
//  3. The registry tests check that every family row names a type of this table exactly once.
//
// A constructor refusal travels as the IndicatorError of create(); the registry wraps it with
// the type's name. An allocation that fails while building is refused with the MAX_PERIOD
// message.
#include "core/registry/type_table.hpp"

#include <algorithm>
#include <array>
#include <new>

#include "core/registry/families.hpp"
#include "indicators/invariant.hpp"

namespace prynox {

namespace {

constexpr TypeRow kTypes[] = {
    {"AbandonedBaby", Feed::Kline, ""},
    {"Abcd", Feed::Kline, ""},
    {"AbsoluteBreadthIndex", Feed::CrossSection, ""},
    {"AccelerationBands", Feed::Kline, "PF"},
    {"AcceleratorOscillator", Feed::Kline, "PPP"},
    {"AdOscillator", Feed::Kline, ""},
    {"AdVolumeLine", Feed::CrossSection, ""},
    {"AdaptiveCci", Feed::Kline, "P"},
    {"AdaptiveCycle", Feed::Kline, ""},
    {"AdaptiveLaguerreFilter", Feed::Kline, "P"},
    {"AdaptiveRsi", Feed::Kline, "P"},
    {"Adl", Feed::Kline, ""},
    {"AdvanceBlock", Feed::Kline, ""},
    {"AdvanceDecline", Feed::CrossSection, ""},
    {"AdvanceDeclineRatio", Feed::CrossSection, ""},
    {"Adx", Feed::Kline, "P"},
    {"Adxr", Feed::Kline, "P"},
    {"Alligator", Feed::Kline, "PPP"},
    {"Alma", Feed::Kline, "PFF"},
    {"Alpha", Feed::Kline, "PF"},
    {"AmihudIlliquidity", Feed::Trade, "P"},
    {"AnchoredRsi", Feed::Kline, ""},
    {"AnchoredVwap", Feed::Kline, ""},
    {"AndrewsPitchfork", Feed::Kline, "P"},
    {"Apo", Feed::Kline, "PP"},
    {"Aroon", Feed::Kline, "P"},
    {"AroonOscillator", Feed::Kline, "P"},
    {"Atr", Feed::Kline, "P"},
    {"AtrBands", Feed::Kline, "PF"},
    {"AtrRatchet", Feed::Kline, "PFF"},
    {"AtrTrailingStop", Feed::Kline, "PF"},
    {"AutoFib", Feed::Kline, ""},
    {"Autocorrelation", Feed::Kline, "PP"},
    {"AutocorrelationPeriodogram", Feed::Kline, "PP"},
    {"AverageDailyRange", Feed::Kline, "PI"},
    {"AverageDrawdown", Feed::Kline, "P"},
    {"AvgPrice", Feed::Kline, ""},
    {"AwesomeOscillator", Feed::Kline, "PP"},
    {"AwesomeOscillatorHistogram", Feed::Kline, "PPP"},
    {"BalanceOfPower", Feed::Kline, ""},
    {"BandpassFilter", Feed::Kline, "PF"},
    {"Bat", Feed::Kline, ""},
    {"BeltHold", Feed::Kline, ""},
    {"Beta", Feed::Kline, "P"},
    {"BetaNeutralSpread", Feed::Kline, "P"},
    {"BetterVolume", Feed::Kline, "P"},
    {"BipowerVariation", Feed::Kline, "P"},
    {"BodySizePct", Feed::Kline, ""},
    {"BollingerBands", Feed::Kline, "PF"},
    {"BollingerBandwidth", Feed::Kline, "PF"},
    {"BomarBands", Feed::Kline, "PF"},
    {"BreadthThrust", Feed::CrossSection, "P"},
    {"Breakaway", Feed::Kline, ""},
    {"BullishPercentIndex", Feed::CrossSection, ""},
    {"BurkeRatio", Feed::Kline, "P"},
    {"Butterfly", Feed::Kline, ""},
    {"CalendarSpread", Feed::Derivatives, ""},
    {"CalmarRatio", Feed::Kline, "P"},
    {"Camarilla", Feed::Kline, ""},
    {"CandleVolume", Feed::Kline, "P"},
    {"Cci", Feed::Kline, "P"},
    {"CenterOfGravity", Feed::Kline, "P"},
    {"CentralPivotRange", Feed::Kline, ""},
    {"Cfo", Feed::Kline, "P"},
    {"ChaikinMoneyFlow", Feed::Kline, "P"},
    {"ChaikinOscillator", Feed::Kline, "PP"},
    {"ChaikinVolatility", Feed::Kline, "PP"},
    {"ChandeKrollStop", Feed::Kline, "PFP"},
    {"ChandelierExit", Feed::Kline, "PF"},
    {"ChoppinessIndex", Feed::Kline, "P"},
    {"ClassicPivots", Feed::Kline, ""},
    {"CloseVsOpen", Feed::Kline, ""},
    {"ClosingMarubozu", Feed::Kline, ""},
    {"Cmo", Feed::Kline, "P"},
    {"CoefficientOfVariation", Feed::Kline, "P"},
    {"Cointegration", Feed::Kline, "PP"},
    {"CommonSenseRatio", Feed::Kline, "P"},
    {"CompositeProfile", Feed::Kline, "PPF"},
    {"ConcealingBabySwallow", Feed::Kline, ""},
    {"ConditionalValueAtRisk", Feed::Kline, "PF"},
    {"ConnorsRsi", Feed::Kline, "PPP"},
    {"Coppock", Feed::Kline, "PPP"},
    {"CorrelationTrendIndicator", Feed::Kline, "P"},
    {"Counterattack", Feed::Kline, ""},
    {"Crab", Feed::Kline, ""},
    {"CumulativeVolumeDelta", Feed::Trade, ""},
    {"CumulativeVolumeIndex", Feed::CrossSection, ""},
    {"CupAndHandle", Feed::Kline, ""},
    {"CyberneticCycle", Feed::Kline, "P"},
    {"Cypher", Feed::Kline, ""},
    {"Decycler", Feed::Kline, "P"},
    {"DecyclerOscillator", Feed::Kline, "PP"},
    {"Dema", Feed::Kline, "P"},
    {"DemandIndex", Feed::Kline, "P"},
    {"DemarkPivots", Feed::Kline, ""},
    {"DepthSlope", Feed::Orderbook, ""},
    {"DerivativeOscillator", Feed::Kline, "PPPP"},
    {"DetrendedStdDev", Feed::Kline, "P"},
    {"DisparityIndex", Feed::Kline, "P"},
    {"DistanceSsd", Feed::Kline, "P"},
    {"Doji", Feed::Kline, ""},
    {"DojiStar", Feed::Kline, ""},
    {"Donchian", Feed::Kline, "P"},
    {"DonchianStop", Feed::Kline, "P"},
    {"DoubleBollinger", Feed::Kline, "PFF"},
    {"DoubleTopBottom", Feed::Kline, ""},
    {"DownsideGapThreeMethods", Feed::Kline, ""},
    {"Dpo", Feed::Kline, "P"},
    {"DragonflyDoji", Feed::Kline, ""},
    {"DumplingTop", Feed::Kline, "P"},
    {"Dx", Feed::Kline, "P"},
    {"DynamicMomentumIndex", Feed::Kline, "P"},
    {"EaseOfMovement", Feed::Kline, "P"},
    {"EffectiveSpread", Feed::TradeQuote, ""},
    {"EhlersStochastic", Feed::Kline, "P"},
    {"Ehma", Feed::Kline, "P"},
    {"ElderImpulse", Feed::Kline, "PPPP"},
    {"ElderRay", Feed::Kline, "P"},
    {"ElderSafeZone", Feed::Kline, "PF"},
    {"Ema", Feed::Kline, "P"},
    {"EmpiricalModeDecomposition", Feed::Kline, "PF"},
    {"Engulfing", Feed::Kline, ""},
    {"Equivolume", Feed::Kline, "P"},
    {"EstimatedLeverageRatio", Feed::Kline, ""},
    {"EvenBetterSinewave", Feed::Kline, "PP"},
    {"EveningDojiStar", Feed::Kline, ""},
    {"Evwma", Feed::Kline, "P"},
    {"EwmaVolatility", Feed::Kline, "F"},
    {"Expectancy", Feed::Kline, "P"},
    {"FallingThreeMethods", Feed::Kline, ""},
    {"Fama", Feed::Kline, "FF"},
    {"FibArcs", Feed::Kline, ""},
    {"FibChannel", Feed::Kline, ""},
    {"FibConfluence", Feed::Kline, ""},
    {"FibExtension", Feed::Kline, ""},
    {"FibFan", Feed::Kline, ""},
    {"FibProjection", Feed::Kline, ""},
    {"FibRetracement", Feed::Kline, ""},
    {"FibTimeZones", Feed::Kline, ""},
    {"FibonacciPivots", Feed::Kline, ""},
    {"FisherRsi", Feed::Kline, "P"},
    {"FisherTransform", Feed::Kline, "P"},
    {"FlagPennant", Feed::Kline, ""},
    {"ForceIndex", Feed::Kline, "P"},
    {"FractalChaosBands", Feed::Kline, "P"},
    {"Frama", Feed::Kline, "P"},
    {"FryPanBottom", Feed::Kline, "P"},
    {"FundingBasis", Feed::Derivatives, ""},
    {"FundingImpliedApr", Feed::Derivatives, "F"},
    {"FundingRate", Feed::Derivatives, ""},
    {"FundingRateMean", Feed::Derivatives, "P"},
    {"FundingRateZScore", Feed::Derivatives, "P"},
    {"GainLossRatio", Feed::Kline, "P"},
    {"GainToPainRatio", Feed::Kline, "P"},
    {"GapSideBySideWhite", Feed::Kline, ""},
    {"Garch11", Feed::Kline, "FFF"},
    {"GarmanKlassVolatility", Feed::Kline, "PP"},
    {"Gartley", Feed::Kline, ""},
    {"GatorOscillator", Feed::Kline, "PPP"},
    {"GeneralizedDema", Feed::Kline, "PF"},
    {"GeometricMa", Feed::Kline, "P"},
    {"GoldenPocket", Feed::Kline, ""},
    {"GrangerCausality", Feed::Kline, "PP"},
    {"GravestoneDoji", Feed::Kline, ""},
    {"Hammer", Feed::Kline, ""},
    {"HangingMan", Feed::Kline, ""},
    {"Harami", Feed::Kline, ""},
    {"HaramiCross", Feed::Kline, ""},
    {"HasbrouckInformationShare", Feed::Kline, "P"},
    {"HeadAndShoulders", Feed::Kline, ""},
    {"HeikinAshi", Feed::Kline, ""},
    {"HeikinAshiOscillator", Feed::Kline, "P"},
    {"HiLoActivator", Feed::Kline, "P"},
    {"HighLowIndex", Feed::CrossSection, "P"},
    {"HighLowRange", Feed::Kline, ""},
    {"HighLowVolumeNodes", Feed::Kline, "PP"},
    {"HighWave", Feed::Kline, ""},
    {"HighpassFilter", Feed::Kline, "P"},
    {"Hikkake", Feed::Kline, ""},
    {"HikkakeModified", Feed::Kline, ""},
    {"HilbertDominantCycle", Feed::Kline, ""},
    {"HistoricalVolatility", Feed::Kline, "PP"},
    {"Hma", Feed::Kline, "P"},
    {"HoltWinters", Feed::Kline, "FF"},
    {"HomingPigeon", Feed::Kline, ""},
    {"HtDcPhase", Feed::Kline, ""},
    {"HtPhasor", Feed::Kline, ""},
    {"HtTrendMode", Feed::Kline, ""},
    {"HurstChannel", Feed::Kline, "PF"},
    {"HurstExponent", Feed::Kline, "PP"},
    {"IdenticalThreeCrows", Feed::Kline, ""},
    {"InNeck", Feed::Kline, ""},
    {"Inertia", Feed::Kline, "PP"},
    {"InformationRatio", Feed::Kline, "P"},
    {"InitialBalance", Feed::Kline, "P"},
    {"InstantaneousTrendline", Feed::Kline, "P"},
    {"IntradayIntensity", Feed::Kline, ""},
    {"IntradayMomentumIndex", Feed::Kline, "P"},
    {"InverseFisherTransform", Feed::Kline, "F"},
    {"InvertedHammer", Feed::Kline, ""},
    {"JarqueBera", Feed::Kline, "P"},
    {"Jma", Feed::Kline, "PFU"},
    {"JumpIndicator", Feed::Kline, "PF"},
    {"KRatio", Feed::Kline, "P"},
    {"KalmanHedgeRatio", Feed::Kline, "FF"},
    {"Kama", Feed::Kline, "PPP"},
    {"KaseDevStop", Feed::Kline, "PF"},
    {"KasePermissionStochastic", Feed::Kline, "PP"},
    {"KellyCriterion", Feed::Kline, "P"},
    {"Keltner", Feed::Kline, "PPF"},
    {"KendallTau", Feed::Kline, "P"},
    {"Kicking", Feed::Kline, ""},
    {"KickingByLength", Feed::Kline, ""},
    {"Kst", Feed::Kline, "PPPPPPPPP"},
    {"Kurtosis", Feed::Kline, "P"},
    {"Kvo", Feed::Kline, "PP"},
    {"KylesLambda", Feed::TradeQuote, "P"},
    {"LadderBottom", Feed::Kline, ""},
    {"LaguerreRsi", Feed::Kline, "F"},
    {"LeadLagCrossCorrelation", Feed::Kline, "PP"},
    {"LinRegAngle", Feed::Kline, "P"},
    {"LinRegChannel", Feed::Kline, "PF"},
    {"LinRegIntercept", Feed::Kline, "P"},
    {"LinRegSlope", Feed::Kline, "P"},
    {"LinearRegression", Feed::Kline, "P"},
    {"LiquidationFeatures", Feed::Derivatives, ""},
    {"LogReturn", Feed::Kline, "P"},
    {"LongLeggedDoji", Feed::Kline, ""},
    {"LongLine", Feed::Kline, ""},
    {"LongShortRatio", Feed::Derivatives, ""},
    {"M2Measure", Feed::Kline, "PFF"},
    {"MaEnvelope", Feed::Kline, "PF"},
    {"MacdFix", Feed::Kline, "P"},
    {"MacdHistogram", Feed::Kline, "PPP"},
    {"MacdIndicator", Feed::Kline, "PPP"},
    {"Mama", Feed::Kline, "FF"},
    {"MarketFacilitationIndex", Feed::Kline, ""},
    {"MartinRatio", Feed::Kline, "P"},
    {"Marubozu", Feed::Kline, ""},
    {"MassIndex", Feed::Kline, "PP"},
    {"MatHold", Feed::Kline, ""},
    {"MatchingLow", Feed::Kline, ""},
    {"MaxDrawdown", Feed::Kline, "P"},
    {"McClellanOscillator", Feed::CrossSection, ""},
    {"McClellanSummationIndex", Feed::CrossSection, ""},
    {"McGinleyDynamic", Feed::Kline, "P"},
    {"MedianAbsoluteDeviation", Feed::Kline, "P"},
    {"MedianChannel", Feed::Kline, "PF"},
    {"MedianMa", Feed::Kline, "P"},
    {"MedianPrice", Feed::Kline, ""},
    {"Mfi", Feed::Kline, "P"},
    {"Microprice", Feed::Orderbook, ""},
    {"MidPoint", Feed::Kline, "P"},
    {"MidPrice", Feed::Kline, "P"},
    {"MinusDi", Feed::Kline, "P"},
    {"MinusDm", Feed::Kline, "P"},
    {"ModifiedMaStop", Feed::Kline, "P"},
    {"Mom", Feed::Kline, "P"},
    {"MorningDojiStar", Feed::Kline, ""},
    {"MorningEveningStar", Feed::Kline, ""},
    {"MurreyMathLines", Feed::Kline, "P"},
    {"NakedPoc", Feed::Kline, "PP"},
    {"Natr", Feed::Kline, "P"},
    {"NewHighsNewLows", Feed::CrossSection, ""},
    {"NewPriceLines", Feed::Kline, "P"},
    {"Nrtr", Feed::Kline, "F"},
    {"Nvi", Feed::Kline, ""},
    {"OIPriceDivergence", Feed::Derivatives, "P"},
    {"OIWeighted", Feed::Derivatives, ""},
    {"Obv", Feed::Kline, ""},
    {"OiToVolumeRatio", Feed::Derivatives, ""},
    {"OmegaRatio", Feed::Kline, "PF"},
    {"OnNeck", Feed::Kline, ""},
    {"OpenInterestDelta", Feed::Derivatives, ""},
    {"OpenInterestMomentum", Feed::Derivatives, "P"},
    {"OpeningMarubozu", Feed::Kline, ""},
    {"OpeningRange", Feed::Kline, "P"},
    {"OrderBookImbalanceFull", Feed::Orderbook, ""},
    {"OrderBookImbalanceTop1", Feed::Orderbook, ""},
    {"OrderBookImbalanceTopN", Feed::Orderbook, "P"},
    {"OrderFlowImbalance", Feed::Orderbook, "P"},
    {"OuHalfLife", Feed::Kline, "P"},
    {"OvernightGap", Feed::Kline, "I"},
    {"OvernightIntradayReturn", Feed::Kline, "I"},
    {"PainIndex", Feed::Kline, "P"},
    {"PairSpreadZScore", Feed::Kline, "PP"},
    {"PairwiseBeta", Feed::Kline, "P"},
    {"ParkinsonVolatility", Feed::Kline, "PP"},
    {"PearsonCorrelation", Feed::Kline, "P"},
    {"PercentAboveMa", Feed::CrossSection, ""},
    {"PercentB", Feed::Kline, "PF"},
    {"PercentageTrailingStop", Feed::Kline, "F"},
    {"PerpetualPremiumIndex", Feed::Derivatives, ""},
    {"Pgo", Feed::Kline, "P"},
    {"PiercingDarkCloud", Feed::Kline, ""},
    {"Pin", Feed::Trade, "P"},
    {"PivotReversal", Feed::Kline, "PP"},
    {"PlusDi", Feed::Kline, "P"},
    {"PlusDm", Feed::Kline, "P"},
    {"Pmo", Feed::Kline, "PP"},
    {"PolarizedFractalEfficiency", Feed::Kline, "PP"},
    {"Ppo", Feed::Kline, "PP"},
    {"PpoHistogram", Feed::Kline, "PPP"},
    {"ProfileShape", Feed::Kline, "PP"},
    {"ProfitFactor", Feed::Kline, "P"},
    {"ProjectionBands", Feed::Kline, "P"},
    {"ProjectionOscillator", Feed::Kline, "P"},
    {"Psar", Feed::Kline, "FFF"},
    {"Pvi", Feed::Kline, ""},
    {"Qqe", Feed::Kline, "PPF"},
    {"Qstick", Feed::Kline, "P"},
    {"QuartileBands", Feed::Kline, "P"},
    {"QuotedSpread", Feed::Orderbook, ""},
    {"RSquared", Feed::Kline, "P"},
    {"RealizedSpread", Feed::TradeQuote, "P"},
    {"RealizedVolatility", Feed::Kline, "P"},
    {"RecoveryFactor", Feed::Kline, ""},
    {"RectangleRange", Feed::Kline, ""},
    {"Reflex", Feed::Kline, "P"},
    {"RegimeLabel", Feed::Kline, "PP"},
    {"RelativeStrengthAB", Feed::Kline, "PP"},
    {"RenkoTrailingStop", Feed::Kline, "F"},
    {"RickshawMan", Feed::Kline, ""},
    {"RisingThreeMethods", Feed::Kline, ""},
    {"Rmi", Feed::Kline, "PP"},
    {"Roc", Feed::Kline, "P"},
    {"Rocp", Feed::Kline, "P"},
    {"Rocr", Feed::Kline, "P"},
    {"Rocr100", Feed::Kline, "P"},
    {"RogersSatchellVolatility", Feed::Kline, "PP"},
    {"RollMeasure", Feed::Trade, "P"},
    {"RollingCorrelation", Feed::Kline, "P"},
    {"RollingCovariance", Feed::Kline, "P"},
    {"RollingIqr", Feed::Kline, "P"},
    {"RollingMinMaxScaler", Feed::Kline, "P"},
    {"RollingPercentileRank", Feed::Kline, "P"},
    {"RollingQuantile", Feed::Kline, "PF"},
    {"RollingVwap", Feed::Kline, "P"},
    {"RoofingFilter", Feed::Kline, "PP"},
    {"Rsi", Feed::Kline, "P"},
    {"Rsx", Feed::Kline, "P"},
    {"Rvi", Feed::Kline, "P"},
    {"RviVolatility", Feed::Kline, "P"},
    {"Rwi", Feed::Kline, "P"},
    {"SampleEntropy", Feed::Kline, "PPF"},
    {"SarExt", Feed::Kline, "FFFFFFFF"},
    {"SeasonalZScore", Feed::Kline, "I"},
    {"SeparatingLines", Feed::Kline, ""},
    {"SessionHighLow", Feed::Kline, "I"},
    {"SessionRange", Feed::Kline, "I"},
    {"SessionVwap", Feed::Kline, "I"},
    {"ShadowRatio", Feed::Kline, ""},
    {"ShannonEntropy", Feed::Kline, "PP"},
    {"Shark", Feed::Kline, ""},
    {"SharpeRatio", Feed::Kline, "PF"},
    {"ShootingStar", Feed::Kline, ""},
    {"ShortLine", Feed::Kline, ""},
    {"SignedVolume", Feed::Trade, ""},
    {"SineWave", Feed::Kline, ""},
    {"SineWeightedMa", Feed::Kline, "P"},
    {"SinglePrints", Feed::Kline, "PP"},
    {"Skewness", Feed::Kline, "P"},
    {"Sma", Feed::Kline, "P"},
    {"Smi", Feed::Kline, "PPP"},
    {"Smma", Feed::Kline, "P"},
    {"SmoothedHeikinAshi", Feed::Kline, "P"},
    {"SortinoRatio", Feed::Kline, "PF"},
    {"SpearmanCorrelation", Feed::Kline, "P"},
    {"SpinningTop", Feed::Kline, ""},
    {"SpreadAr1Coefficient", Feed::Kline, "P"},
    {"SpreadBollingerBands", Feed::Kline, "PF"},
    {"SpreadHurst", Feed::Kline, "P"},
    {"StalledPattern", Feed::Kline, ""},
    {"StandardError", Feed::Kline, "P"},
    {"StandardErrorBands", Feed::Kline, "PF"},
    {"StarcBands", Feed::Kline, "PPF"},
    {"Stc", Feed::Kline, "PPPF"},
    {"StdDev", Feed::Kline, "P"},
    {"StepTrailingStop", Feed::Kline, "F"},
    {"SterlingRatio", Feed::Kline, "P"},
    {"StickSandwich", Feed::Kline, ""},
    {"StochRsi", Feed::Kline, "PP"},
    {"Stochastic", Feed::Kline, "PP"},
    {"StochasticCci", Feed::Kline, "P"},
    {"SuperSmoother", Feed::Kline, "P"},
    {"SuperTrend", Feed::Kline, "PF"},
    {"T3", Feed::Kline, "PF"},
    {"TailRatio", Feed::Kline, "P"},
    {"TakerBuySellRatio", Feed::Derivatives, ""},
    {"Takuri", Feed::Kline, ""},
    {"TasukiGap", Feed::Kline, ""},
    {"TdCamouflage", Feed::Kline, ""},
    {"TdClop", Feed::Kline, ""},
    {"TdClopwin", Feed::Kline, ""},
    {"TdCombo", Feed::Kline, "PPPP"},
    {"TdCountdown", Feed::Kline, "PPPP"},
    {"TdDWave", Feed::Kline, "P"},
    {"TdDeMarker", Feed::Kline, "P"},
    {"TdDifferential", Feed::Kline, ""},
    {"TdLines", Feed::Kline, "PP"},
    {"TdMovingAverage", Feed::Kline, "PP"},
    {"TdOpen", Feed::Kline, ""},
    {"TdPressure", Feed::Kline, "P"},
    {"TdPropulsion", Feed::Kline, ""},
    {"TdRangeProjection", Feed::Kline, ""},
    {"TdRei", Feed::Kline, "P"},
    {"TdRiskLevel", Feed::Kline, "PP"},
    {"TdSequential", Feed::Kline, "PPPP"},
    {"TdSetup", Feed::Kline, "PP"},
    {"TdTrap", Feed::Kline, ""},
    {"Tema", Feed::Kline, "P"},
    {"TermStructureBasis", Feed::Derivatives, ""},
    {"ThreeDrives", Feed::Kline, ""},
    {"ThreeInside", Feed::Kline, ""},
    {"ThreeLineBreak", Feed::Kline, "P"},
    {"ThreeLineStrike", Feed::Kline, ""},
    {"ThreeOutside", Feed::Kline, ""},
    {"ThreeSoldiersOrCrows", Feed::Kline, ""},
    {"ThreeStarsInSouth", Feed::Kline, ""},
    {"Thrusting", Feed::Kline, ""},
    {"TickIndex", Feed::CrossSection, ""},
    {"Tii", Feed::Kline, "PP"},
    {"TimeBasedStop", Feed::Kline, "P"},
    {"TowerTopBottom", Feed::Kline, ""},
    {"TpoProfile", Feed::Kline, "PP"},
    {"TradeImbalance", Feed::Trade, "P"},
    {"TradeSignAutocorrelation", Feed::Trade, "P"},
    {"TradeVolumeIndex", Feed::Kline, "F"},
    {"TrendLabel", Feed::Kline, "P"},
    {"TrendStrengthIndex", Feed::Kline, "P"},
    {"Trendflex", Feed::Kline, "P"},
    {"TreynorRatio", Feed::Kline, "PF"},
    {"Triangle", Feed::Kline, ""},
    {"Trima", Feed::Kline, "P"},
    {"Trin", Feed::CrossSection, ""},
    {"TripleTopBottom", Feed::Kline, ""},
    {"Tristar", Feed::Kline, ""},
    {"Trix", Feed::Kline, "P"},
    {"TrueRange", Feed::Kline, ""},
    {"Tsf", Feed::Kline, "P"},
    {"TsfOscillator", Feed::Kline, "P"},
    {"Tsi", Feed::Kline, "PP"},
    {"Tsv", Feed::Kline, "P"},
    {"TtmSqueeze", Feed::Kline, "PFF"},
    {"TtmTrend", Feed::Kline, "P"},
    {"TurnOfMonth", Feed::Kline, "UUI"},
    {"Tweezer", Feed::Kline, ""},
    {"TwiggsMoneyFlow", Feed::Kline, "P"},
    {"TwoCrows", Feed::Kline, ""},
    {"TypicalPrice", Feed::Kline, ""},
    {"UlcerIndex", Feed::Kline, "P"},
    {"UltimateOscillator", Feed::Kline, "PPP"},
    {"UniqueThreeRiver", Feed::Kline, ""},
    {"UniversalOscillator", Feed::Kline, "P"},
    {"UpDownVolumeRatio", Feed::CrossSection, ""},
    {"UpsideGapThreeMethods", Feed::Kline, ""},
    {"UpsideGapTwoCrows", Feed::Kline, ""},
    {"UpsidePotentialRatio", Feed::Kline, "PF"},
    {"ValueArea", Feed::Kline, "PPF"},
    {"ValueAtRisk", Feed::Kline, "PF"},
    {"Variance", Feed::Kline, "P"},
    {"VarianceRatio", Feed::Kline, "PP"},
    {"VerticalHorizontalFilter", Feed::Kline, "P"},
    {"Vidya", Feed::Kline, "PP"},
    {"VolatilityCone", Feed::Kline, "PP"},
    {"VolatilityOfVolatility", Feed::Kline, "PP"},
    {"VolatilityRatio", Feed::Kline, "P"},
    {"VoltyStop", Feed::Kline, "PF"},
    {"VolumeOscillator", Feed::Kline, "PP"},
    {"VolumePriceTrend", Feed::Kline, ""},
    {"VolumeProfile", Feed::Kline, "PP"},
    {"VolumeRsi", Feed::Kline, "P"},
    {"VolumeWeightedMacd", Feed::Kline, "PPP"},
    {"VolumeWeightedSr", Feed::Kline, "P"},
    {"Vortex", Feed::Kline, "P"},
    {"Vpin", Feed::Trade, "FP"},
    {"Vwap", Feed::Kline, ""},
    {"VwapStdDevBands", Feed::Kline, "F"},
    {"Vwma", Feed::Kline, "P"},
    {"Vzo", Feed::Kline, "P"},
    {"Wad", Feed::Kline, ""},
    {"WavePm", Feed::Kline, "PP"},
    {"WaveTrend", Feed::Kline, "PPP"},
    {"Wedge", Feed::Kline, ""},
    {"WeightedClose", Feed::Kline, ""},
    {"WilliamsR", Feed::Kline, "P"},
    {"WinRate", Feed::Kline, "P"},
    {"Wma", Feed::Kline, "P"},
    {"WoodiePivots", Feed::Kline, ""},
    {"YangZhangVolatility", Feed::Kline, "PP"},
    {"YoyoExit", Feed::Kline, "PF"},
    {"ZScore", Feed::Kline, "P"},
    {"ZeroLagMacd", Feed::Kline, "PPP"},
    {"ZigZag", Feed::Kline, "F"},
    {"Zlema", Feed::Kline, "P"},};

constexpr AliasRow kAliases[] = {
    {"Bollinger", "BollingerBands"},
    {"Macd", "MacdIndicator"},
};

// ---- compile-time checks of the table ----

constexpr bool sorted_and_unique() {
    for (std::size_t i = 1; i < std::size(kTypes); ++i)
        if (!(kTypes[i - 1].name < kTypes[i].name)) return false;
    return true;
}

constexpr std::size_t count_feed(Feed feed) {
    std::size_t n = 0;
    for (const auto& row : kTypes) n += row.feed == feed ? 1 : 0;
    return n;
}

constexpr std::size_t count_arity(std::size_t arity) {
    std::size_t n = 0;
    for (const auto& row : kTypes) n += row.signature.size() == arity ? 1 : 0;
    return n;
}

constexpr std::size_t count_reads() {
    std::size_t n = 0;
    for (const auto& row : kTypes) n += row.signature.size();
    return n;
}

constexpr bool signatures_valid() {
    for (const auto& row : kTypes)
        if (!valid_signature(row.signature)) return false;
    return true;
}

constexpr bool contains_type(std::string_view name) {
    for (const auto& row : kTypes)
        if (row.name == name) return true;
    return false;
}

constexpr bool aliases_resolve() {
    for (const auto& a : kAliases)
        if (contains_type(a.name) || !contains_type(a.type)) return false;
    return true;
}

// Every length from the shortest to the longest is taken, and nothing lies outside.
constexpr bool lengths_cover() {
    for (std::size_t len = kShortestName; len <= kLongestName; ++len) {
        bool seen = false;
        for (const auto& row : kTypes) seen = seen || row.name.size() == len;
        for (const auto& a : kAliases) seen = seen || a.name.size() == len;
        if (!seen) return false;
    }
    for (const auto& row : kTypes)
        if (row.name.size() < kShortestName || row.name.size() > kLongestName) return false;
    return true;
}

static_assert(std::size(kTypes) == kTypeCount);
static_assert(std::size(kAliases) == kAliasCount);
static_assert(std::size(kTypes) + std::size(kAliases) == 497);
static_assert(sorted_and_unique());
static_assert(signatures_valid());
static_assert(aliases_resolve());
static_assert(lengths_cover());
static_assert(count_feed(Feed::Kline) == 446);
static_assert(count_feed(Feed::Trade) == 8);
static_assert(count_feed(Feed::Orderbook) == 7);
static_assert(count_feed(Feed::TradeQuote) == 3);
static_assert(count_feed(Feed::Derivatives) == 16);
static_assert(count_feed(Feed::CrossSection) == 15);
static_assert(count_arity(0) == 166);
static_assert(count_arity(1) == 200);
static_assert(count_arity(2) == 90);
static_assert(count_arity(3) == 31);
static_assert(count_arity(4) == 6);
static_assert(count_arity(8) == 1);
static_assert(count_arity(9) == 1);
static_assert(count_reads() == 514);

// ---- builders, gathered once from the families ----

using BuilderTable = std::array<Builder, kTypeCount>;

BuilderTable assemble_builders() {
    BuilderTable table{};
    auto add = [&table](std::span<const BuilderRow> rows) {
        for (const auto& row : rows) {
            auto index = find_type(row.type);
            require(index.has_value(), "every builder row names a type of the table");
            require(table[*index] == nullptr, "every type has at most one builder row");
            require(row.build != nullptr, "a builder row has a builder");
            table[*index] = row.build;
        }
    };
#define PRYNOX_ADD_REGISTRY_FAMILY(name) add(registry_family::name());
    PRYNOX_REGISTRY_FAMILIES(PRYNOX_ADD_REGISTRY_FAMILY)
#undef PRYNOX_ADD_REGISTRY_FAMILY
    return table;
}

}  // namespace

std::span<const TypeRow> type_rows() { return kTypes; }
std::span<const AliasRow> alias_rows() { return kAliases; }

std::optional<std::size_t> find_type(std::string_view name) {
    // Impossible lengths are refused before any comparison.
    if (name.size() < kShortestName || name.size() > kLongestName) return std::nullopt;
    auto it = std::lower_bound(std::begin(kTypes), std::end(kTypes), name,
                               [](const TypeRow& row, std::string_view n) { return row.name < n; });
    if (it == std::end(kTypes) || it->name != name) return std::nullopt;
    return static_cast<std::size_t>(it - std::begin(kTypes));
}

std::optional<std::string_view> find_alias(std::string_view name) {
    for (const auto& a : kAliases)
        if (a.name == name) return a.type;
    return std::nullopt;
}

Builder type_builder(std::size_t index) {
    static const BuilderTable table = assemble_builders();
    require(index < kTypeCount, "type index is within the table");
    return table[index];
}

}  // namespace prynox
