#include "NumberText.h"
// implementation follows
namespace numtext {}
