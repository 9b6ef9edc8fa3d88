#include "stage/script/eval_token.h"

EVALTOKEN MakeValueToken(int32_t value, void* lpStorage, int32_t kind) {
  EVALTOKEN token;
  token.nKind = kind;
  token.nValue = value;
  token.lpStorage = lpStorage;
  return token;
}
