#include "base/messages/MessageTables.h"

// The structure check of the pair inspector and of the car build's models. A finding line is the
// file, then "structureFindingAt" (which structure, field and value), then the reason.
// Field names ({4} of structureFindingAt, {1} of structureDisagrees) are the program's English names.

namespace zw::messages {
namespace {

constexpr MessageText kMessages[] = {
    // {1} the structure, e.g. BoneShape "BobShape1:bsh" mesh 2; {2} its address; {3} the field's offset;
    // {4} the field's name; {5} its value
    {"structureFindingAt", "{1} bei Adresse {2}, Offset {3} ({4}) = {5}: ", "{1} at address {2}, offset {3} ({4}) = {5}: "},
    {"structureNotInBlock",
     "die {1} Bytes der Struktur liegen nicht in einem Block",
     "the structure's {1} bytes do not lie in one block"},
    // {1} the size of the pair's address space
    {"structurePointerOutside", "zeigt aus dem Paar hinaus ({1} Bytes)", "points outside the pair ({1} bytes)"},
    // {1} entries of {2} bytes each, {3} the entries the block has room for
    {"structureArrayOutsideBlock",
     "{1} Einträge zu {2} Bytes laufen über das Ende ihres Blocks hinaus (Platz für {3})",
     "{1} entries of {2} bytes run past the end of their block (room for {3})"},
    {"structureTextNotInTable", "kein Text der Stringtabelle", "no string of the string table"},
    {"structureTextUnterminated", "der Text dort endet nicht in seinem Block", "the text there has no end within its block"},
    {"structureReferenceMissing", "keine Symbolreferenz nennt diesen Slot", "no symbol reference names this slot"},
    // {1} the symbol's tag, {2} the loader type's tag
    {"structureLoaderTypeMismatch",
     "das Symbol endet auf \":{1}\", sein Ladertyp hat die Endung \"{2}\"",
     "the symbol's tag is \":{1}\", but its loader type's tag is \"{2}\""},
    // {1} the loader type's number, {2} its type name, {3} its tag, {4} the number of symbols with that tag
    {"structureLoaderTypeUnused",
     "Ladertyp {1} ({2}, {3}) wird von keinem der {4} Symbole dieser Endung benutzt",
     "loader type {1} ({2}, {3}) is used by none of the {4} symbols with its tag"},
    // {1} the maximum
    {"structureBoxInsideOut", "das Minimum liegt über dem Maximum {1}", "the minimum lies above the maximum {1}"},
    // {1}, {2} the least and greatest vertex positions
    {"structureBoxMissesVertices",
     "der Quader umschließt die Ecken nicht, die von {1} bis {2} reichen",
     "the box does not enclose the vertices, which reach from {1} to {2}"},
    // {1} what the value should agree with, {2} that value
    {"structureDisagrees", "widerspricht {1} = {2}", "disagrees with {1} = {2}"},
    {"structureIndexCountNotTriangles", "kein Vielfaches von 3", "not a multiple of 3"},
    // {1} the index's number, {2} its value, {3} the mesh's vertex count
    {"structureIndexOutOfRange",
     "Index {1} nennt die Ecke {2}, das Netz hat aber nur {3}",
     "index {1} names vertex {2}, but the mesh has only {3}"},
    // {1} the vertex's number, {2} the normal's length
    {"structureNormalNotUnit",
     "die Normale der Ecke {1} hat die Länge {2} statt 1",
     "the normal of vertex {1} has the length {2} instead of 1"},
    {"structureNotPowerOfTwo", "keine Zweierpotenz", "not a power of two"},
    // {1} the flags that are not known
    {"structureFlagsUnknown", "unbekannte Flags {1}", "unknown flags {1}"},
    // {1} the step's number, {2} the frame it names, {3} the texture's frame count
    {"structureFrameOutOfRange",
     "Schritt {1} nennt das Bild {2}, die Textur hat aber nur {3}",
     "step {1} names frame {2}, but the texture has only {3}"},
    // {1} the number of extra-data entries
    {"structureNoExtraData",
     "die .common-Datei hat nur {1} Extradaten-Einträge",
     "the .common file has only {1} extra-data entries"},
    // {1} the bytes the picture needs
    {"structurePictureShort", "das Bild braucht {1} Bytes", "the picture needs {1} bytes"},
    // The car build's checks of a model. {1} the model name; the findings follow, one a line.
    {"modelStructureStop",
     "Das Modell {1} kann nicht verwendet werden; das Spiel läse außerhalb seiner Daten:",
     "The model {1} cannot be used; the game would read outside its data:"},
    {"modelStructureWarning",
     "Warnung: Das Modell {1} enthält unplausible Werte; die Wagen.ovls werden trotzdem erstellt:",
     "Warning: the model {1} holds implausible values; the car OVLs are made all the same:"},
    // The pictures of inspect. {1} the pair's .common file.
    {"inspectNoIcon",
     "{1} enthält kein eigenes Icon (keinen Flic mit DXT1-Bilddaten).",
     "{1} holds no icon of its own (no Flic with DXT1 picture data)."},
    {"inspectNoTextures", "{1} enthält keine FlexiTexture.", "{1} holds no FlexiTexture."},
    {"inspectNoPng",
     "Dieses Programm wurde ohne PNG-Bibliothek erstellt und schreibt keine PNG-Dateien.",
     "This program was built without a PNG library and writes no PNG files."},
    // A BoneShape's mesh records: their support, transparency, sides and counts.
    {"structureSupportUnknown", "keine Stützart von -1 bis 15", "no support type from -1 to 15"},
    {"structureTransparencyUnknown", "größer als 2, die höchste Transparenzart", "above 2, the highest transparency kind"},
    {"structureSidesUnknown", "weder 1 noch 3", "neither 1 nor 3"},
    {"structureMeshEmpty", "das Netz zeichnet nichts", "the mesh draws nothing"},
    // {1} word 32, the meshes without support; {2} word 36, all meshes
    {"structureMeshCountsDiffer",
     "Wort 32 (Netze ohne Stütze) = {1}, Wort 36 (alle Netze) = {2}: eine Kopie in Wagen.ovls enthielte {1} und "
     "kündigte {2} Netzeinträge an",
     "word 32 (meshes without support) = {1}, word 36 (all meshes) = {2}: a copy in car OVLs would hold {1} and "
     "announce {2} mesh records"},
    // The car build. {1} the model name, {2} the BoneShape's symbol, {3} word 32, {4} word 36
    {"modelMeshCountsDiffer",
     "Das Modell {1} kann nicht verwendet werden: in der BoneShape {2} ist Wort 32 (Netze ohne Stütze) = {3}, Wort 36 "
     "(alle Netze) aber = {4}. Die in die Wagen.ovls kopierte Form enthielte {3} und kündigte {4} Netzeinträge an; "
     "das Spiel liest so viele Netze, wie sie ankündigt.",
     "The model {1} cannot be used: its BoneShape {2} has word 32 (meshes without support) = {3}, but word 36 (all "
     "meshes) = {4}. The shape copied into the car OVLs would hold {3} and announce {4} mesh records; the game reads as "
     "many meshes as it announces."},
    // The pictures of a model (inspect --render, the car preview). {1} a structure's symbol or a file.
    {"renderNoModel", "{1} enthält kein Modell (keine SceneryItemVisual).", "{1} holds no model (no SceneryItemVisual)."},
    {"renderStructureMissing", "{1} ist nicht im Paar.", "{1} is not in the pair."},
    {"renderStructureBroken", "{1} liegt nicht ganz im Paar.", "{1} does not lie whole in the pair."},
    {"renderNoLevel", "{1} hat keine Detailstufe.", "{1} has no level of detail."},
    {"renderNoShape", "Die erste Detailstufe von {1} nennt keine BoneShape.",
     "The first level of detail of {1} names no BoneShape."},
    {"renderNoTriangles", "{1} hat keine Dreiecke.", "{1} has no triangles."},
    // {1} a car role
    {"renderNoCar", "Kein Wagen für {1}.", "No car for {1}."},
    // {1} the model, {2} the mesh's number, {3} the texture it names
    {"renderTextureMissing", "Netz {2} von {1}: Textur {3} fehlt, einfarbig gezeichnet.",
     "Mesh {2} of {1}: texture {3} is missing, drawn in one colour."},
};

}  // namespace

std::span<const MessageText> structureMessages() { return kMessages; }

}  // namespace zw::messages
