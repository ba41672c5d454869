; string kinds, terminators and unit sizes
        .data
        .ascii "ab", "c"
        .asciz "ab"
        .string8 "x"
        .string16 "ab"
        .string32 "a"
        .string64 ""
        .ascii , "z"
        .string
