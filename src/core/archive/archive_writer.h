#pragma once

class Archive;
class FileStore;

// Writes a whole archive into a folder that has none: the full archive's dates, numbers, weekdays
// and national-wheel files and the sub-archives "S" and "M" (the once-a-week draws and then every
// second draw in "S", the others in "M"), each dates file with LastWeeklyDraw in its second word.
// The full archive's dates file is written last, so that a write that fails leaves a folder that
// still holds no archive. Returns 0 or the error number of the failed write.
int WriteWholeArchive(FileStore& files, const Archive& archive);
