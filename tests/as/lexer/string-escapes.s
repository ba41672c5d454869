; escapes in strings: octal, hexadecimal, simple ones and an embedded quote
        .data
        .ascii "\101\x41\1\2\x3z"
        .ascii "\a\b\f\n\r\t\v"
        .ascii "say \"hi\"", "\\\'\q"
        .ascii "ab\777"
