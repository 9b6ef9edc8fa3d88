#pragma once
// cItemDef: an item part, as the palettes (common and stage) and the item
// placements of a stage keep it, and as a running item copies it. Like a block
// part it may take groups of its settings from a template part (kind 1 the
// common palette, 2 the stage palette), once, when it loads. Its item commands
// (command set 1) run on the hero who takes it.
//
// Stored form (the same at every data version): the record (17 fields, 24
// bytes, the name), then int16 x, int16 y, the inherit flags (int32 n and n
// bytes), the condition list and the command list.
//
// Templates are copied from what a cTemplateSource finds (template_source.h);
// references are checked against a cValidateContext. Loads and saves use
// CurrentTemplateSource() and CurrentValidateContext(); explicit calls take
// them as arguments.

#include <cstdint>
#include <string>

#include "core/containers/checked_vector.h"
#include "records/palette/template_source.h"
#include "records/record/record.h"
#include "records/script/condition.h"
#include "records/script/flow_cmd.h"
#include "records/script/validate_context.h"

// Property groups of an item part, one inherit flag each.
constexpr int32_t kItemInheritGroups = 13;

// How often the item can be taken (m_nTakeKind).
enum eItemTakeKind : int8_t {
  kItemTakeOnce = 0,    // "1回だけ取れる"
  kItemTakeAlways = 1,  // "何回でも取れる"
  kItemTakeNever = 2,   // "取れない"
};

class cItemDef : public cRecordOf<cItemDef> {
 public:
  int16_t m_nX = 0;  // position of a placed item, in blocks
  int16_t m_nY = 0;
  int8_t m_nTemplateKind = 0;    // eTemplateKind
  int16_t m_nTemplateIndex = 0;  // index in that palette's item list; 0 none
  cVector<int8_t> m_Inherit;     // one flag per property group
  std::string m_strName;
  cVector<cCondition> m_Conditions;
  int8_t m_nCondMode = 0;        // eCondListMode
  int8_t m_bCondOnce = 0;
  int16_t m_nExtra1 = 0;         // dots the spawned item is moved right
  int16_t m_nExtra2 = 0;         // dots the spawned item is moved down
  int16_t m_nGraphic = 0;        // 0: never given to the hero
  int8_t m_nGraphicSource = 2;   // ePartGraphicSource
  int16_t m_nGraphicCell = 0;
  int8_t m_nZ = 6;               // drawing layer 0-7 when the stage draws by layers
  int8_t m_bHidden = 0;          // not drawn; still takes part in play
  int8_t m_nMarkShow = 0;        // ePartMarkShow
  int16_t m_nMark = 0;
  int8_t m_nTakeKind = 0;        // eItemTakeKind
  int8_t m_bTakeMessage = 1;     // taking it shows its graphic in a message
  int8_t m_nScale = 1;           // display scale, at least 1
  int16_t m_nSound = 0;          // Sound database index played on taking it, 0 none
  cVector<cFlowCmd> m_Commands;  // item commands (set 1), run when it is taken

  // The empty item: item graphics, layer 6, take message on, scale 1, every
  // other member 0, 13 inherit flags of 0, no name and empty lists.
  cItemDef();

  // Makes the part the empty item again; only the position is kept.
  void SetDefaults();

  void RegisterFields(int32_t nVersion) override;
  // The record, the tail and the commands, the shot-graphic renumbering of old
  // files, then the template copy and the validation.
  bool Load(cRecordReader& reader) override;
  // Validates first.
  void Save(cRecordWriter& writer) override;
  void VisitAppended(cRecordVisitor& visitor) override;

  // Copies the groups whose inherit flag is set from the template. A template
  // reference past its palette loses its kind (the index stays).
  void ApplyTemplate(const cTemplateSource& source);
  // A template reference (kind 1 or 2) past its palette's item list loses
  // kind and index; the scale is at least 1; a sound past the Sound database
  // becomes 0; every command is validated. The conditions are left as they
  // are.
  void Validate(const cValidateContext& context);
  // The palette references of every command, against the context's palettes.
  void ValidatePaletteRefs(const cValidateContext& context);

  // Every stored member, lists included.
  bool operator==(const cItemDef& other) const;
};
