# The fuzz targets: <name>.cpp here, seeds in corpus/<name>/.
set(VELORIN_FUZZ_TARGETS LevelFileFuzz HighScoreFuzz StrToIntFuzz)
