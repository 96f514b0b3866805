#include "recording_prompter.h"
