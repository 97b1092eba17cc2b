// What the renderer is given of a model pair: the demo models' meshes as they were modelled (their
// bones at rest), with their textures; and for each way a pair can fail to hold a drawable model,
// the problem that names it.
#include <gtest/gtest.h>

#include "ovl/ModelScene.h"
#include "ovl/OvlPairReader.h"
#include "ovl/StructureSpace.h"
#include "support/ModelPairFixture.h"

namespace zw {
namespace {

using test::ModelFault;
using test::ModelFixtureOptions;

SceneResult sceneOf(const ModelFixtureOptions& options) {
    const test::HandMadeOvlPair made = test::modelPairFixture("Bob", options);
    const OvlPairReader pair(made.commonBytes(), "Bob.common.ovl", made.uniqueBytes(), "Bob.unique.ovl");
    return modelPairScene(StructureSpace::of(pair));
}

// The restraint bar's vertices belong to its second bone, whose two matrices lift it and lower it
// again: at rest every vertex stays where it was modelled.
TEST(ModelScene, TheDemoModelsStandAsModelledWithTheirTextures) {
    for (const test::DemoModel& demo : test::demoModels()) {
        SCOPED_TRACE(demo.name);
        const SceneResult result = sceneOf(demo.options);
        ASSERT_TRUE(result.scene) << result.problem.id;
        ASSERT_EQ(result.scene->meshes.size(), 1u);
        const SceneMesh& mesh = result.scene->meshes[0];
        const test::FixtureMesh& modelled = demo.options.geometry[0];
        ASSERT_EQ(mesh.vertices.size(), modelled.vertices.size());
        for (size_t i = 0; i < mesh.vertices.size(); ++i) {
            for (int k = 0; k < 3; ++k) {
                EXPECT_NEAR(mesh.vertices[i].position[k], modelled.vertices[i].position[k], 1e-5f) << i;
                EXPECT_NEAR(mesh.vertices[i].normal[k], modelled.vertices[i].normal[k], 1e-5f) << i;
            }
            EXPECT_EQ(mesh.vertices[i].u, modelled.vertices[i].u);
        }
        EXPECT_EQ(mesh.indices, std::vector<uint32_t>(modelled.indices.begin(), modelled.indices.end()));
        ASSERT_TRUE(mesh.texture);
        EXPECT_EQ(mesh.texture->width, 64u);
        EXPECT_FALSE(mesh.twoSided);
        EXPECT_TRUE(result.scene->notes.empty());
    }
}

TEST(ModelScene, EachFaultThatLeavesNothingToDrawIsNamed) {
    const struct {
        ModelFault fault;
        std::string id;
        std::string argument;
    } cases[] = {
        {ModelFault::NoVisual, "renderNoModel", "Bob.common.ovl"},
        {ModelFault::NoBoneShape, "renderStructureMissing", "BobShape1:bsh"},
        {ModelFault::NoMeshes, "renderNoTriangles", "BobShape1:bsh"},
        {ModelFault::AddressOutside, "renderStructureBroken", "BobShape1:bsh mesh 1"},
        {ModelFault::CountPastEnd, "renderStructureBroken", "BobShape1:bsh mesh 1"},
    };
    for (const auto& c : cases) {
        ModelFixtureOptions options;
        options.fault = c.fault;
        const SceneResult result = sceneOf(options);
        EXPECT_FALSE(result.scene) << static_cast<int>(c.fault);
        EXPECT_EQ(result.problem.id, c.id) << static_cast<int>(c.fault);
        EXPECT_EQ(result.problem.args, std::vector<std::string>{c.argument}) << static_cast<int>(c.fault);
    }
}

// What can be drawn is: a missing texture gives a flat colour and a note a mesh; a triangle naming a
// vertex the mesh lacks is left out.
TEST(ModelScene, AModelWithFaultsOfItsPartsIsDrawnWithoutThem) {
    ModelFixtureOptions options;
    options.fault = ModelFault::NoTexture;
    SceneResult result = sceneOf(options);
    ASSERT_TRUE(result.scene);
    ASSERT_EQ(result.scene->notes.size(), 2u);
    EXPECT_EQ(result.scene->notes[1].text(Language::English),
              "Mesh 2 of BobShape1: texture BobTexture1:ftx is missing, drawn in one colour.");
    EXPECT_FALSE(result.scene->meshes[0].texture);

    options.fault = ModelFault::IndexPastVertices;
    result = sceneOf(options);
    ASSERT_TRUE(result.scene);
    EXPECT_EQ(result.scene->meshes[0].indices.size(), options.indices - 3);
    EXPECT_EQ(result.scene->meshes[1].indices.size(), options.indices);

    options.fault = ModelFault::TwoSides;
    EXPECT_TRUE(sceneOf(options).scene->meshes[0].twoSided);
}

}  // namespace
}  // namespace zw
