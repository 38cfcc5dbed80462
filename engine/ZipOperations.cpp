// Placeholder until the library binding lands.
#include "ZipEngine.h"

void TZipEngine::Add() { }
void TZipEngine::Delete() { }
void TZipEngine::Extract() { }
