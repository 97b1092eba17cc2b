// "ride check FILE" reads it and lists its findings (what the reader takes differently from what is
// written, what a rewrite would drop). "ride read FILE" reads a ride data file as the main window's read button does and tells what it
// found (--dump: every ride field); "ride rewrite FILE" reads it and writes it back in canonical form;
// "ride build FILE" reads it and builds the ride pair into <data file folder>/<RideObjectName>/, as
// the window's build button does.

#include <charconv>
#include <ostream>

#include "base/Encoding.h"
#include "builders/RideBuilder.h"
#include "cli/Commands.h"
#include "datafiles/RideData.h"
#include "datafiles/RideDataReader.h"
#include "workflow/DataFileChecking.h"

namespace zw::cli {
namespace {

// The shortest text that reads back as the same double, so a dump shows what the reader settled.
std::string decimal(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string text(const std::string& cp1252) { return '"' + cp1252ToUtf8(cp1252) + '"'; }

template <typename T, typename Format>
std::string list(const std::vector<T>& values, Format format) {
    std::string out;
    for (std::size_t i = 0; i < values.size(); ++i) out += (i ? ", " : "") + format(values[i]);
    return out;
}

void dump(std::ostream& out, const RideData& r) {
    auto field = [&](std::string_view name, const std::string& value) { out << name << ": " << value << '\n'; };
    auto integer = [&](std::string_view name, int64_t value) { field(name, std::to_string(value)); };
    auto real = [&](std::string_view name, double value) { field(name, decimal(value)); };
    auto texts = [&](std::string_view name, const std::vector<std::string>& values) {
        field(name, list(values, text));
    };

    field("DataFileFolder", r.DataFileFolder.string());
    field("RideObjectName", text(r.RideObjectName));
    real("SpeedUnitFactor", r.SpeedUnitFactor);
    integer("RideFlags", r.RideFlags);
    field("BahnName", text(r.BahnName));
    field("BahnDescription", text(r.BahnDescription));
    field("BahnIcon", text(r.BahnIcon));
    integer("BahnKategorie", r.BahnKategorie);
    texts("WagentypName", r.WagentypName);
    field("TrackTyp", text(r.TrackTyp));
    texts("TrackSectionName", r.TrackSectionName);
    field("TrackSectionKosten", list(r.TrackSectionKosten, [](int32_t v) { return std::to_string(v); }));
    integer("BaukostenHoehe4H", r.BaukostenHoehe4H);
    field("Stationstyp", text(r.Stationstyp));
    real("LichtraumprofilHoehe", r.LichtraumprofilHoehe);
    integer("BauhoeheMax", r.BauhoeheMax);
    integer("BahnstartPreset", r.BahnstartPreset);
    integer("BahnstartMoeglichkeiten", r.BahnstartMoeglichkeiten);
    integer("BlockaufteilungsFlag", r.BlockaufteilungsFlag);
    integer("RundenanzahlMin", r.RundenanzahlMin);
    integer("RundenanzahlMax", r.RundenanzahlMax);
    integer("AutoFertigstellungFlag", r.AutoFertigstellungFlag);
    integer("WagenRotationswinkelFlag", r.WagenRotationswinkelFlag);
    integer("SchleifenUnzulaessigFlag", r.SchleifenUnzulaessigFlag);
    integer("AnjederStelleabbaubarFlag", r.AnjederStelleabbaubarFlag);
    real("InAusStationRollgeschw", r.InAusStationRollgeschw);
    real("LiftkettengeschwMin", r.LiftkettengeschwMin);
    real("LiftkettengeschwMax", r.LiftkettengeschwMax);
    real("LiftkettengeschwPreset", r.LiftkettengeschwPreset);
    real("StartgeschwMin", r.StartgeschwMin);
    real("StartgeschwMax", r.StartgeschwMax);
    real("StartgeschwPreset", r.StartgeschwPreset);
    integer("KonstantgeschwFlag", r.KonstantgeschwFlag);
    real("KonstantgeschwMin", r.KonstantgeschwMin);
    real("KonstantgeschwMax", r.KonstantgeschwMax);
    real("KonstantgeschwPreset", r.KonstantgeschwPreset);
    real("BergaufabAbweichung", r.BergaufabAbweichung);
    integer("BahnkostenVorschau", r.BahnkostenVorschau);
    integer("BetriebskostenBasis", r.BetriebskostenBasis);
    integer("BetriebskostenproZug", r.BetriebskostenproZug);
    integer("BetriebskostenproWagen", r.BetriebskostenproWagen);
    integer("BetriebskostenproStation", r.BetriebskostenproStation);
    for (std::size_t row = 0; row < kRatingRowCount; ++row) {
        const std::string stem(kRatingRows[row].germanStem);
        const auto& values = r.RatingCoefficients[row];
        real("Err" + stem, values[Excitement]);
        real("Int" + stem, values[Intensity]);
        real("Ueb" + stem, values[Nausea]);
        real("Faktor" + stem, values[Factor]);
    }
    real("Zuverlaessigkeitsabnahme", r.Zuverlaessigkeitsabnahme);
    integer("PeepAttraktivitaet", r.PeepAttraktivitaet);
    field("SpezialTrackSectionNameAMitte", text(r.SpezialTrackSectionNameAMitte));
    field("SpezialTrackSectionNameAEnde", text(r.SpezialTrackSectionNameAEnde));
    field("SpezialTrackSectionNameBMitte", text(r.SpezialTrackSectionNameBMitte));
    field("SpezialTrackSectionNameBEnde", text(r.SpezialTrackSectionNameBEnde));
    real("TowerRideSpitzenDauer", r.TowerRideSpitzenDauer);
    real("TowerRideSpitzenAbstand", r.TowerRideSpitzenAbstand);
    field("PeepLoopSplineName", text(r.PeepLoopSplineName));
    texts("PeepPathSplineName", r.PeepPathSplineName);
    field("SpezialWagentypAName", text(r.SpezialWagentypAName));
    real("SpezialWagentypAVersatzWarten", r.SpezialWagentypAVersatzWarten);
    real("SpezialWagentypAVersatzEinhaken", r.SpezialWagentypAVersatzEinhaken);
    real("SpezialWagentypABergaufGeschw", r.SpezialWagentypABergaufGeschw);
    real("SpezialWagentypABergabGeschw", r.SpezialWagentypABergabGeschw);
    field("SpezialWagentypBName", text(r.SpezialWagentypBName));
    texts("ZusatzTrackTyp", r.ZusatzTrackTyp);
    integer("VorRueckFreiRotationFlag", r.VorRueckFreiRotationFlag);
    integer("VierAchsenRotationswinkelFlag", r.VierAchsenRotationswinkelFlag);
    integer("VertikalInversionswechselFlag", r.VertikalInversionswechselFlag);
    integer("ZuganzahlPreset", r.ZuganzahlPreset);
    integer("StationenSyncFlag", r.StationenSyncFlag);
    real("WaterSectionKonstantgeschw", r.WaterSectionKonstantgeschw);
    real("WaterSectionBeschleunigung", r.WaterSectionBeschleunigung);
    real("WaterSectionAbbremsung", r.WaterSectionAbbremsung);
    integer("StationshoeheueberGleis", r.StationshoeheueberGleis);
    integer("BaunuraufWasserFlag", r.BaunuraufWasserFlag);
    integer("BetriebsmodusanzeigenFlag", r.BetriebsmodusanzeigenFlag);
    real("LiftkettengeschwStep", r.LiftkettengeschwStep);
    real("StartgeschwStep", r.StartgeschwStep);
    real("KonstantgeschwStep", r.KonstantgeschwStep);
    real("LiftkettenEinrastung", r.LiftkettenEinrastung);
    integer("EintrittspreisPreset", r.EintrittspreisPreset);
    integer("TowerRideUnknown1", r.TowerRideUnknown1);
    integer("TowerRideUnknown2", r.TowerRideUnknown2);
    integer("Unknowns", r.Unknowns);
}

void summary(std::ostream& out, const RideData& r) {
    out << "ride object: " << cp1252ToUtf8(r.RideObjectName) << '\n';
    out << "name: " << cp1252ToUtf8(r.BahnName) << '\n';
    out << "track type: " << cp1252ToUtf8(r.TrackTyp) << '\n';
    out << "car types: " << cp1252ToUtf8(list(r.WagentypName, [](const std::string& s) { return s; })) << '\n';
    out << "track sections: " << r.TrackSectionName.size() << '\n';
}

// Reads FILE through the main window's read command (the file stands in for the open dialog).
bool readFile(Context& context, const std::string& file) {
    context.dialogs().setFileToOpen(dataFileArgument(file, "CTR_BahnDaten_", "ride"));
    return context.window().readRideFile();
}

int run(Context& context, std::span<const std::string> args) {
    if (args.empty()) throw UsageProblem("ride needs read, rewrite or build and a file");
    const std::string& action = args[0];
    if (action == "read") {
        const ReadArguments read = parseReadArguments(args.subspan(1), "ride read", "CTR_BahnDaten");
        if (!readFile(context, read.file)) return ExitCode::Stopped;
        read.dumpAll ? dump(context.out(), context.state().ride) : summary(context.out(), context.state().ride);
        return ExitCode::Done;
    }
    if (action == "check") {
        // Read as the window reads, without its message of findings: they are the result here.
        if (args.size() != 2) throw UsageProblem("ride check needs one CTR_BahnDaten file");
        const auto path = dataFileArgument(args[1], "CTR_BahnDaten_", "ride");
        ProjectState& state = context.state();
        if (readRideDataFile(path, state.dataFiles, state.lookupResults, state.ride, context.dialogs(),
                             context.language()) != 1)
            return ExitCode::Stopped;
        return printFindings(context, checkReadDataFile(DataFileKind::Ride, state, context.executableFolder()));
    }
    if (action == "rewrite") {
        if (args.size() != 2) throw UsageProblem("ride rewrite needs one CTR_BahnDaten file");
        if (!readFile(context, args[1])) return ExitCode::Stopped;
        return context.window().rewriteRideFile() ? ExitCode::Done : ExitCode::Stopped;
    }
    if (action == "build") {
        if (args.size() != 2) throw UsageProblem("ride build needs one CTR_BahnDaten file");
        if (!readFile(context, args[1])) return ExitCode::Stopped;
        if (!context.window().buildRidePair()) return ExitCode::Stopped;
        const RideData& ride = context.state().ride;
        for (const auto& file : {rideCommonFile(ride), rideUniqueFile(ride)}) context.out() << shownPath(file) << '\n';
        return ExitCode::Done;
    }
    if (action == "install") {
        // Read, build and install, as the window's buttons do one after the other.
        if (args.size() != 2) throw UsageProblem("ride install needs one CTR_BahnDaten file");
        if (!readFile(context, args[1])) return ExitCode::Stopped;
        if (!context.window().buildRidePair()) return ExitCode::Stopped;
        return context.window().installRidePair() ? ExitCode::Done : ExitCode::Stopped;
    }
    throw UsageProblem("ride needs read, check, rewrite, build or install, not " + action);
}

const Registration registration{{
    .name = "ride",
    .usage = "ride read FILE [--dump]   CTR_BahnDaten_<name>.txt; --dump prints every ride field\n"
             "ride check FILE           lists what the reader takes differently from what is written (exit 1 on errors)\n"
             "ride rewrite FILE         writes the file back in canonical form\n"
             "ride build FILE           builds <folder>/<RideObjectName>/<RideObjectName>.common.ovl and .unique.ovl\n"
             "ride install FILE         builds the pair and installs it into the game's ride folder",
    .run = run,
    .touchesNoGame = isCheckCommand,
}};

}  // namespace
}  // namespace zw::cli
