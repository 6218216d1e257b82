# Our own targets build with every common warning as an error; third-party code does not.
function(amberlow_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()
