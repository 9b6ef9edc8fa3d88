#pragma once
// cWorldMap: the story mode's world map (data\WorldMap.dat). A grid of 32-dot
// chips over which the hero walks from node to node; each node's stage entries
// decide what is played there. Loaded once at start-up into g_WorldMap and only
// read afterwards; the player never saves it (Save serves the sample project
// and tests).
//
// File: the map record (eight int32 fields, two strings), then the chips (int32
// count, records), the grid (int32 count, raw int32 cells), the nodes (int32
// count, each a node record with its entries) and the second node list in the
// same form.
//
// The grid is kept m_nHeight x m_nPitch cells long: a load recomputes the pitch
// from the width and pads or cuts the stored cells to that, and refuses a file
// whose width and height cannot make a grid (WorldGridHolds).

#include <cstdint>
#include <string>
#include <string_view>

#include "core/containers/checked_vector.h"
#include "records/record/record.h"
#include "records/worldmap/world_chip.h"
#include "records/worldmap/world_node.h"

// Files before this version had ten fixed chip kinds, whatever they stored.
inline constexpr int32_t kWorldChipListVersion = 812;

// A cell of the map.
struct WORLDPOINT {
  int32_t x = 0;
  int32_t y = 0;
};

class cWorldMap : public cRecordOf<cWorldMap> {
 public:
  int32_t m_nWidth = 0;       // in chips
  int32_t m_nHeight = 0;
  int32_t m_nPitch = 0;       // row length of the grid: the smallest power of two >= width
  int32_t m_nPitchShift = 0;  // log2 of m_nPitch
  cVector<cWorldChip> m_Chips;
  // Row by row, m_nPitch cells a row; cells at x >= m_nWidth are padding.
  cVector<int32_t> m_Grid;
  cVector<cWorldNode> m_Nodes;
  // Loaded, normalised and saved with the map; nothing else reads it.
  cVector<cWorldNode> m_Nodes2;
  int32_t m_nStartX = 0;      // hero start cell
  int32_t m_nStartY = 0;
  int32_t m_nBackColor = 0;   // palette number the background is filled with
  int32_t m_bBackPicture = 0; // non-zero: m_strBackPicture is drawn over the fill
  std::string m_strName;
  std::string m_strBackPicture;

  cWorldMap();

  // A 20 x 15 map named "ワールド" with its start at (9, 7), background colour
  // 16, no nodes and one second-list node named "デフォルト". Chips stay.
  void SetDefaults();

  // Resizes the map, keeping every cell that lies inside both the old and the
  // new size at its (x, y); new cells are 0. 0, and nothing changes, when the
  // size cannot make a grid (not positive, or too large).
  int SetSize(int32_t width, int32_t height);

  // Repairs what lies outside the map: the start point is pulled inside, cells
  // naming no chip become 0, nodes beyond the right or bottom edge are erased
  // and nodes at negative positions are pulled to the edge. m_Nodes2 is left as
  // it is. Runs after every load and before every save.
  void Normalize();

  // The first node of m_Nodes at (x, y); nullptr when there is none.
  cWorldNode* FindNode(int32_t x, int32_t y);
  const cWorldNode* FindNode(int32_t x, int32_t y) const;
  cWorldNode* FindNodeAt(WORLDPOINT point) { return FindNode(point.x, point.y); }
  const cWorldNode* FindNodeAt(WORLDPOINT point) const { return FindNode(point.x, point.y); }

  // 1 when an entry of kind 0 of some node plays the stage name names (the
  // form WorldStageBaseName gives) with these keys: useKey 0 matches entries
  // without keys; otherwise entries with keys key1 and key2.
  int HasStage(std::string_view name, int32_t useKey, int32_t key1, int32_t key2) const;

  // The grid element of cell (x, y) (x + (y << m_nPitchShift)), and the cell
  // through the checked access. Callers keep x and y inside the map.
  int32_t CellIndex(int32_t x, int32_t y) const;
  int32_t& Cell(int32_t x, int32_t y) { return m_Grid.CheckedVectorAt(CellIndex(x, y)); }
  int32_t Cell(int32_t x, int32_t y) const { return m_Grid.CheckedVectorAt(CellIndex(x, y)); }

  // The same layout in every data version.
  void RegisterFields(int32_t nVersion) override;
  bool Load(cRecordReader& reader) override;
  void Save(cRecordWriter& writer) override;
  void VisitAppended(cRecordVisitor& visitor) override;

 private:
  // Recomputes the pitch from the width and makes the grid height x pitch cells
  // long. False when the size cannot make a grid.
  bool FitGridToSize();
  // The grid is exactly what the size and pitch say.
  bool GridMatchesSize() const;
  void SetLegacyChips();
  void ClampStart();
  void ClearUnknownCells();
  void FitNodes();
};

// The world map of the project.
extern cWorldMap g_WorldMap;
