#include "link_fixture.h"
#include "recording_prompter.h"
#include "wait_until.h"
