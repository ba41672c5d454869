; no global symbol: the archive index of a library of it is empty
        .data
        .long 1
