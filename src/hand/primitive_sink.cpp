#include "hand/primitive_sink.h"
