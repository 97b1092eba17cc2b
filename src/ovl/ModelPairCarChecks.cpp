#include "ovl/ModelPairCarChecks.h"

#include <string>

#include "base/Report.h"

namespace zw {

std::optional<MessageId> failedCarModelTagCheck(const ModelPair& model, std::string_view modelName) {
    if (model.countSymbolsWithTag(":shs") > 0) return MessageId("181");
    if (model.countSymbolsWithTag(":ric") > 0) return MessageId("182");
    if (model.countSymbolsWithTag(":rit") > 0) return MessageId("183");
    const size_t visuals = model.countSymbolsWithTag(":svd");
    if (visuals == 0) return MessageId("190");
    if (visuals > 1) return MessageId("191");
    for (const ModelSymbol& symbol : model.symbols()) {
        if (hasTag(symbol.name, ":svd") && symbol.name != std::string(modelName) + ":svd") return MessageId("188");
    }
    if (model.countSymbolsWithTag(":bsh") == 0) return MessageId("186");
    if (model.countSymbolsWithTag(":ftx") == 0) return MessageId("193");
    return std::nullopt;
}

std::optional<ModelPair> readCarModelPair(const std::filesystem::path& folder, std::string_view modelName,
                                          Report& report) {
    std::optional<ModelPair> model = readModelPair(folder, modelName, kCarModelMessageIds, report);
    if (!model) return std::nullopt;
    if (std::optional<MessageId> failed = failedCarModelTagCheck(*model, modelName)) {
        report.message(*failed, {modelName});
        return std::nullopt;
    }
    const ModelBlock* references = model->blockIndex().block(OvlFileKind::Unique, 2, 3);
    if (references == nullptr || references->size / kSymbolReferenceEntrySize == 0) {
        report.message("194", {modelName});
        return std::nullopt;
    }
    try {
        model->readSymbolReferences();
    } catch (const BinaryReadError& fault) {
        reportModelPairFault(fault, report);
        return std::nullopt;
    }
    return model;
}

}  // namespace zw
