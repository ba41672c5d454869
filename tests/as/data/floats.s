; single and double precision data
        .data
        .float 1
        .single 0f1.5, 0f-2e3
        .double
        .double 0f1.5, 3
        .float , 0f0.1
