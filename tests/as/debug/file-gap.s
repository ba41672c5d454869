; file indexes must run 1, 2, 3 without a gap
        .file 1 "a.c"
        .file 3 "b.c"
        .text
p:      .loc 1 1
        getl 1
        complete
