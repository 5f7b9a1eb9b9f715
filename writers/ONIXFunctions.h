#pragma once

// The writer module: every writer, check and helper of the messages.
#include "writers/BookWriters.h"
#include "writers/HeaderWriters.h"
#include "writers/InvoiceWriters.h"
#include "writers/MediaWriters.h"
#include "writers/ONIXChecks.h"
#include "writers/ONIXErrorChannel.h"
#include "writers/ONIXNodes.h"
#include "writers/SupplyWriters.h"
#include "writers/TechnicalWriters.h"
