; rows need code in .text
        .file 1 "a.c"
        .text
        .loc 1 1
