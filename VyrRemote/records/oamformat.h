#pragma once

#include "oamrecords.h"

#include <QString>

#include <cstdint>

// What the link OAM form shows, computed from the records alone.
// GUI-independent.

// Index of the mode list showing a stored mode; -1 (no item) for a mode the
// list does not have.
int oamModeIndex(int32_t mode);
// The mode to store for a list index: -1 (no item chosen) keeps the stored
// mode, so a mode the list lacks survives an Apply that did not touch it.
int32_t oamModeFromIndex(int index, int32_t stored);

struct OamResultsView
{
    QString mac;
    QString vendor;
    QString remoteLoopback;
    QString mode;
    QString unidirectional;
    QString linkEvents;
};

// No record, or one without a result (byte 0 is 0): "-" in every field.
OamResultsView oamResultsView(const oam_results_t *results);
