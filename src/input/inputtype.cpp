#include "input/inputtype.h"

#include "input/inkdropinput.h"
#include "input/quartzraininput.h"
#include "input/quartzraininverseinput.h"

const std::vector<std::string>& input_type_names() {
    static const std::vector<std::string> names = {INKDROP_INPUT_NAME, QUARTZ_RAIN_INPUT_NAME,
                                                   QUARTZ_RAIN_INVERSE_INPUT_NAME};
    return names;
}

std::unique_ptr<InputType> make_input_type(const std::string& name) {
    if (name == INKDROP_INPUT_NAME) return std::make_unique<InkdropInput>();
    if (name == QUARTZ_RAIN_INPUT_NAME) return std::make_unique<QuartzRainInput>();
    if (name == QUARTZ_RAIN_INVERSE_INPUT_NAME) return std::make_unique<QuartzRainInverseInput>();
    return nullptr;
}
