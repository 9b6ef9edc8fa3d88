#include "stage/objects/run_facts.h"

#include "stage/objects/state_visitor.h"

void cRunFacts::VisitState(cStateVisitor& visitor) {
  visitor.Value("nGameMode", nGameMode);
  visitor.Value("nPlayMode", nPlayMode);
  visitor.Value("bFreeStage", bFreeStage);
  visitor.Value("bFromEditor", bFromEditor);
}
