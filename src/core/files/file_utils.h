// MyUtil32: the program's routines for paths, folders and files, with the
// POSIX meaning of their Windows names (separator '/', drives are "/" and
// mount points, case kept, listings by name ignoring ASCII case).
#ifndef TAVILO_CORE_FILE_UTILS_H
#define TAVILO_CORE_FILE_UTILS_H

#include "core/files/file_utils_copy.h"
#include "core/files/file_utils_delete.h"
#include "core/files/file_utils_paths.h"
#include "core/files/file_utils_search.h"

#endif
