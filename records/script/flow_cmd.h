#pragma once
// cFlowCmd: one command of a flow (set 0) or of an item's command list (set 1).
// Its kind (see cmd_kind_table.h) decides which integer parameters, text and
// parts it uses; the parts are owned by value (see part_holder.h).
//
// Stored form: eight fields and the text string, then appended in order: the
// move settings, the shot settings and (from kCmdCondListFrom on) the
// condition list, each as int32 1 and the record or int32 0 when absent; the
// sub-flows as a list of flows; the parameters as an int32 list.
//
// A load migrates commands of older data versions (flow_cmd_migrate.h), drops
// flagged sub-flows unless the run keeps them, and validates; a save validates
// first. Both use CurrentValidateContext().

#include <cstdint>
#include <string>

#include "core/containers/checked_vector.h"
#include "records/record/record.h"
#include "records/script/cond_list.h"
#include "records/script/ed_move.h"
#include "records/script/ed_shot.h"
#include "records/script/part_holder.h"
#include "records/script/validate_context.h"

class cFlow;

// Files before this data version store no condition list in a command.
constexpr int32_t kCmdCondListFrom = 764;

class cFlowCmd : public cRecordOf<cFlowCmd> {
 public:
  int8_t m_nSet = 0;                  // eCmdSet
  int8_t m_nKind = 0;                 // eFlowCmdKind or eItemCmdKind
  cVector<int32_t> m_Params;          // the kind's parameter count after validation
  // "ステージクリア": stage path; "メッセージ": the text; "コードの実行": the code.
  std::string m_strText;
  cPartHolder<cEdMove> m_Move;        // movement kinds and "ワープ"
  cPartHolder<cEdShot> m_Shot;        // shot, sword and summon kinds
  int16_t m_nDuration = 0;            // tenths of a second
  int16_t m_nDurationPerClone = 0;    // added once per clone index
  int8_t m_bParallel = 0;             // the flow goes on while this runs
  int16_t m_nSound = 0;               // Sound database index played at the start, 0 none
  int8_t m_bSoundOnScreenOnly = 1;
  int16_t m_nAnime = 0;               // Anime database index, 0 none
  cPartHolder<cCondList> m_CondList;  // "フローの操作"
  cVector<cFlow> m_SubFlows;          // flows that "フローの変更" installs

  // Reset.
  cFlowCmd();
  // Copies own their parts (never shared with the source); defined where cFlow
  // is complete.
  cFlowCmd(const cFlowCmd& source);
  cFlowCmd(cFlowCmd&& source) noexcept;
  cFlowCmd& operator=(const cFlowCmd& source);
  cFlowCmd& operator=(cFlowCmd&& source) noexcept;
  ~cFlowCmd() override;

  // Every field 0 but m_bSoundOnScreenOnly (1), no text, no parts. The
  // parameters and sub-flows are left as they are.
  void Reset();

  void RegisterFields(int32_t nVersion) override;
  bool Load(cRecordReader& reader) override;
  void Save(cRecordWriter& writer) override;
  void VisitAppended(cRecordVisitor& visitor) override;

  // Makes the command consistent with the project: database references in
  // range, the parameter list sized to the kind, a sword's length from its
  // sword type; then the sub-flows. A kind outside the tables (or a set other
  // than 0 and 1) becomes the empty flow kind 0.
  void Validate(const cValidateContext& context);
  // Palette references of the settings and of "アイテムの取得" in range of
  // the palettes; then the sub-flows.
  void ValidatePaletteRefs(const cValidateContext& context);

  // True when the set and kind name an entry of the kind tables.
  bool HasKnownKind() const;

  // The number of parameters the kind has: 0 for a kind outside the tables.
  int32_t KindParamCount() const;

  bool operator==(const cFlowCmd& other) const;

 private:
  // A set or kind outside the tables becomes set 0, kind 0 with no
  // parameters; true when it did.
  bool MakeUnknownKindEmpty();
};
