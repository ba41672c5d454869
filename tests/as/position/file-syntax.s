; .file forms that cannot be parsed
        .file
        .file 1
        .file 2 name
        .file 3 "a.c" junk
        .file "b.c" junk
        .file (4 "d.c"
        .text
f:
        .file 5 "e.c"
        complete
