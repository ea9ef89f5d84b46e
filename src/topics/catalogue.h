#pragma once
// Every exercise screen of the program, with the factory that builds it.

#include "shell/catalogue.h"

namespace qm {

const Catalogue& topicCatalogue();

}  // namespace qm
