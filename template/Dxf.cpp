#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "template/Files.h"

namespace korvanel::fret_template {

namespace {

constexpr int kDecimals = 6;
// The digits' height of the fonts CAD programs draw TEXT with, as a share
// of the font's size.
constexpr double kDigitHeight = 0.72;

// AutoCAD's colour numbers, matching the SVG's colours.
int ColourNumber(Layer layer) {
  switch (layer) {
    case Layer::Frets:
      return 1;  // red
    case Layer::Nut:
    case Layer::Bridge:
      return 5;  // blue
    case Layer::Centre:
      return 8;  // grey
    case Layer::Strings:
      return 3;  // green
    case Layer::Outline:
    case Layer::Text:
    case Layer::Marks:
      break;
  }
  return 7;  // black on white, white on black
}

// Writes group codes and values; gives every object a handle.
class DxfWriter {
 public:
  explicit DxfWriter(Unit unit) : unit_(unit) {}

  std::string Write(const Drawing& drawing) {
    out_.reserve(16'000 + 200 * drawing.lines.size() + 250 * drawing.texts.size());
    std::vector<Layer> layers;
    for (Layer layer : kLayers) {
      const auto onLayer = [layer](const auto& item) { return item.layer == layer; };
      if (std::any_of(drawing.lines.begin(), drawing.lines.end(), onLayer) ||
          std::any_of(drawing.texts.begin(), drawing.texts.end(), onLayer)) {
        layers.push_back(layer);
      }
    }
    // The handles are known before the header that names the next free one:
    // the tables' and blocks' come first, then one per entity, then the
    // dictionaries.
    const std::uint32_t entities =
        static_cast<std::uint32_t>(drawing.lines.size() + drawing.texts.size());
    const std::uint32_t tablesAndBlocks =
        kFirstLayerHandle + static_cast<std::uint32_t>(layers.size());
    rootDictionary_ = tablesAndBlocks + entities;
    const std::uint32_t handleSeed = rootDictionary_ + 2;

    const Box bounds = Bounds(drawing);
    Header(bounds, handleSeed);
    Section("CLASSES");
    EndSection();
    Tables(layers, bounds);
    Blocks();
    Section("ENTITIES");
    nextHandle_ = tablesAndBlocks;
    for (const Polyline& line : drawing.lines) Entity(line);
    for (const Text& text : drawing.texts) Entity(text);
    EndSection();
    Objects();
    Tag(0, "EOF");
    return std::move(out_);
  }

 private:
  // Fixed handles of the tables, their records and the blocks.
  enum : std::uint32_t {
    kVportTable = 1,
    kVportActive,
    kLtypeTable,
    kLtypeByBlock,
    kLtypeByLayer,
    kLtypeContinuous,
    kLayerTable,
    kLayerZero,
    kStyleTable,
    kStyleStandard,
    kViewTable,
    kUcsTable,
    kAppidTable,
    kAppidAcad,
    kDimstyleTable,
    kDimstyleStandard,
    kBlockRecordTable,
    kModelSpaceRecord,
    kPaperSpaceRecord,
    kModelSpaceBlock,
    kModelSpaceEnd,
    kPaperSpaceBlock,
    kPaperSpaceEnd,
    kFirstLayerHandle,
  };

  // Group codes right-aligned in three places, as AutoCAD writes them (all
  // this file uses are below 1000).
  void Code(int code) {
    char line[4] = {' ', ' ', ' ', '\n'};
    for (int place = 2; place >= 0 && (code != 0 || place == 2); --place, code /= 10) {
      line[place] = static_cast<char>('0' + code % 10);
    }
    out_.append(line, 4);
  }

  void Tag(int code, std::string_view value) {
    Code(code);
    out_ += value;
    out_ += '\n';
  }

  void Tag(int code, int value) {
    Code(code);
    AppendFixed(out_, value, 0);
    out_ += '\n';
  }

  void Handle(int code, std::uint32_t handle) {
    constexpr std::string_view kHex = "0123456789ABCDEF";
    std::array<char, 9> line{};
    std::size_t first = line.size();
    line[--first] = '\n';
    do {
      line[--first] = kHex[handle % 16];
      handle /= 16;
    } while (handle != 0);
    Code(code);
    out_.append(line.data() + first, line.size() - first);
  }

  void Number(int code, double millimetres) {
    Code(code);
    AppendFixed(out_, FromMillimetres(millimetres, unit_), kDecimals);
    out_ += '\n';
  }

  // A board point: its coordinates under `code` and `code` + 10, y upward.
  void Coordinates(int code, Point point) {
    Number(code, point.x);
    Number(code + 10, -point.y);
  }

  void Coordinates3(int code, Point point) {
    Coordinates(code, point);
    Tag(code + 20, "0.0");
  }

  void Section(std::string_view name) {
    Tag(0, "SECTION");
    Tag(2, name);
  }

  void EndSection() { Tag(0, "ENDSEC"); }

  void Variable(std::string_view name) { Tag(9, name); }

  void Header(const Box& bounds, std::uint32_t handleSeed) {
    Section("HEADER");
    Variable("$ACADVER");
    Tag(1, "AC1015");
    Variable("$DWGCODEPAGE");
    Tag(3, "ANSI_1252");
    Variable("$INSBASE");
    Coordinates3(10, {0, 0});
    Variable("$EXTMIN");
    Coordinates3(10, {bounds.left, bounds.bottom});
    Variable("$EXTMAX");
    Coordinates3(10, {bounds.right, bounds.top});
    Variable("$INSUNITS");
    Tag(70, unit_ == Unit::Inch ? 1 : 4);
    Variable("$MEASUREMENT");
    Tag(70, unit_ == Unit::Inch ? 0 : 1);
    Variable("$HANDSEED");
    Handle(5, handleSeed);
    EndSection();
  }

  void Table(std::string_view name, std::uint32_t handle, int entries) {
    Tag(0, "TABLE");
    Tag(2, name);
    Handle(5, handle);
    Tag(330, "0");
    Tag(100, "AcDbSymbolTable");
    Tag(70, entries);
  }

  void EndTable() { Tag(0, "ENDTAB"); }

  void Record(std::string_view type, std::uint32_t handle, std::uint32_t table,
              std::string_view subclass, std::string_view name) {
    Tag(0, type);
    Handle(type == "DIMSTYLE" ? 105 : 5, handle);
    Handle(330, table);
    Tag(100, "AcDbSymbolTableRecord");
    Tag(100, subclass);
    Tag(2, name);
    Tag(70, 0);
  }

  void Tables(const std::vector<Layer>& layers, const Box& bounds) {
    Section("TABLES");
    Table("VPORT", kVportTable, 1);
    ActiveViewport(bounds);
    EndTable();

    Table("LTYPE", kLtypeTable, 3);
    const std::pair<std::uint32_t, std::string_view> lineTypes[] = {
        {kLtypeByBlock, "ByBlock"}, {kLtypeByLayer, "ByLayer"}, {kLtypeContinuous, "Continuous"}};
    for (const auto& [handle, name] : lineTypes) {
      Record("LTYPE", handle, kLtypeTable, "AcDbLinetypeTableRecord", name);
      Tag(3, name == "Continuous" ? "Solid line" : "");
      Tag(72, 65);
      Tag(73, 0);
      Tag(40, "0.0");
    }
    EndTable();

    Table("LAYER", kLayerTable, static_cast<int>(layers.size()) + 1);
    Layer0();
    for (std::size_t i = 0; i < layers.size(); ++i) {
      Record("LAYER", kFirstLayerHandle + static_cast<std::uint32_t>(i), kLayerTable,
             "AcDbLayerTableRecord", LayerName(layers[i]));
      Tag(62, ColourNumber(layers[i]));
      Tag(6, "Continuous");
    }
    EndTable();

    Table("STYLE", kStyleTable, 1);
    Record("STYLE", kStyleStandard, kStyleTable, "AcDbTextStyleTableRecord", "Standard");
    Tag(40, "0.0");
    Tag(41, "1.0");
    Tag(50, "0.0");
    Tag(71, 0);
    Tag(42, "2.5");
    Tag(3, "txt");
    Tag(4, "");
    EndTable();

    Table("VIEW", kViewTable, 0);
    EndTable();
    Table("UCS", kUcsTable, 0);
    EndTable();

    Table("APPID", kAppidTable, 1);
    Record("APPID", kAppidAcad, kAppidTable, "AcDbRegAppTableRecord", "ACAD");
    EndTable();

    Table("DIMSTYLE", kDimstyleTable, 1);
    Tag(100, "AcDbDimStyleTable");
    Record("DIMSTYLE", kDimstyleStandard, kDimstyleTable, "AcDbDimStyleTableRecord", "Standard");
    EndTable();

    Table("BLOCK_RECORD", kBlockRecordTable, 2);
    Record("BLOCK_RECORD", kModelSpaceRecord, kBlockRecordTable, "AcDbBlockTableRecord",
           "*Model_Space");
    Record("BLOCK_RECORD", kPaperSpaceRecord, kBlockRecordTable, "AcDbBlockTableRecord",
           "*Paper_Space");
    EndTable();
    EndSection();
  }

  // The view a CAD program opens with: the whole drawing, a little room
  // around it.
  void ActiveViewport(const Box& bounds) {
    Record("VPORT", kVportActive, kVportTable, "AcDbViewportTableRecord", "*ACTIVE");
    Coordinates(10, {0, 0});
    Tag(11, "1.0");
    Tag(21, "1.0");
    Coordinates(12, {(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2});
    Coordinates(13, {0, 0});
    Tag(14, "1.0");
    Tag(24, "1.0");
    Tag(15, "10.0");
    Tag(25, "10.0");
    Coordinates(16, {0, 0});
    Tag(36, "1.0");
    Coordinates3(17, {0, 0});
    Number(40, std::max(bounds.Height(), bounds.Width() / 2) * 1.1);
    Tag(41, "2.0");
    Tag(42, "50.0");
    Tag(43, "0.0");
    Tag(44, "0.0");
    Tag(50, "0.0");
    Tag(51, "0.0");
    for (const auto& [code, value] :
         {std::pair{71, 0}, {72, 100}, {73, 1}, {74, 3}, {75, 0}, {76, 0}, {77, 0}, {78, 0}}) {
      Tag(code, value);
    }
  }

  void Layer0() {
    Record("LAYER", kLayerZero, kLayerTable, "AcDbLayerTableRecord", "0");
    Tag(62, 7);
    Tag(6, "Continuous");
  }

  void Block(std::string_view name, std::uint32_t begin, std::uint32_t end, std::uint32_t record,
             bool paperSpace) {
    Tag(0, "BLOCK");
    Handle(5, begin);
    Handle(330, record);
    Tag(100, "AcDbEntity");
    if (paperSpace) Tag(67, 1);
    Tag(8, "0");
    Tag(100, "AcDbBlockBegin");
    Tag(2, name);
    Tag(70, 0);
    Coordinates3(10, {0, 0});
    Tag(3, name);
    Tag(1, "");
    Tag(0, "ENDBLK");
    Handle(5, end);
    Handle(330, record);
    Tag(100, "AcDbEntity");
    if (paperSpace) Tag(67, 1);
    Tag(8, "0");
    Tag(100, "AcDbBlockEnd");
  }

  void Blocks() {
    Section("BLOCKS");
    Block("*Model_Space", kModelSpaceBlock, kModelSpaceEnd, kModelSpaceRecord, false);
    Block("*Paper_Space", kPaperSpaceBlock, kPaperSpaceEnd, kPaperSpaceRecord, true);
    EndSection();
  }

  void EntityStart(std::string_view type, Layer layer, std::string_view subclass) {
    Tag(0, type);
    Handle(5, nextHandle_++);
    Handle(330, kModelSpaceRecord);
    Tag(100, "AcDbEntity");
    Tag(8, LayerName(layer));
    Tag(100, subclass);
  }

  void Entity(const Polyline& line) {
    if (line.points.size() == 2 && !line.closed) {
      EntityStart("LINE", line.layer, "AcDbLine");
      Coordinates3(10, line.points[0]);
      Coordinates3(11, line.points[1]);
      return;
    }
    EntityStart("LWPOLYLINE", line.layer, "AcDbPolyline");
    Tag(90, static_cast<int>(line.points.size()));
    Tag(70, line.closed ? 1 : 0);
    for (const Point& point : line.points) Coordinates(10, point);
  }

  void Entity(const Text& text) {
    EntityStart("TEXT", text.layer, "AcDbText");
    Coordinates3(10, text.at);
    Number(40, text.height * kDigitHeight);
    Tag(1, text.text);
    if (text.anchor != TextAnchor::Left) {
      Tag(72, text.anchor == TextAnchor::Centre ? 1 : 2);
      Coordinates3(11, text.at);
    }
    Tag(100, "AcDbText");
  }

  void Objects() {
    Section("OBJECTS");
    Tag(0, "DICTIONARY");
    Handle(5, rootDictionary_);
    Tag(330, "0");
    Tag(100, "AcDbDictionary");
    Tag(281, 1);
    Tag(3, "ACAD_GROUP");
    Handle(350, rootDictionary_ + 1);
    Tag(0, "DICTIONARY");
    Handle(5, rootDictionary_ + 1);
    Handle(330, rootDictionary_);
    Tag(100, "AcDbDictionary");
    Tag(281, 1);
    EndSection();
  }

  Unit unit_;
  std::string out_;
  std::uint32_t nextHandle_ = 0;
  std::uint32_t rootDictionary_ = 0;
};

}  // namespace

std::string DxfFile(const Drawing& drawing, Unit unit) { return DxfWriter(unit).Write(drawing); }

std::string BoardDxf(const BoardGeometry& board) {
  return DxfFile(BoardDrawing(board), board.inputs.unit);
}

}  // namespace korvanel::fret_template
